# A figure number that does not fit a 32-bit int makes the read fail.
< "2 1 4294967297\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> @invalid_inputs @farewell
