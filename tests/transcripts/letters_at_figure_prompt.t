# Letters where a figure number is expected end the run at once.
< "2 1 abc\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> @invalid_inputs @farewell
