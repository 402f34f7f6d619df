< "2"
> @start @top_menu @top_prompt @plane_quantities @prompt @invalid_inputs @farewell
