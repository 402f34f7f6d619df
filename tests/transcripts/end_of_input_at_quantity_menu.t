< "2"
> @start @top_menu @top_prompt
< @end_of_input
> @plane_quantities @prompt @invalid_inputs @farewell
