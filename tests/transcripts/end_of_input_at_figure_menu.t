< "2\n1\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
< @end_of_input
> @invalid_inputs @farewell
