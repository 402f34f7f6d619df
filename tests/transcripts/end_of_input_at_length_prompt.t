# The reads of the 2nd and 3rd sides find no number: no result is printed, as none was typed.
< "2 1 5 3"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of 1st side: "
< @end_of_input
> "\tLength of 2nd side: " "\tLength of 3rd side: "
> @plane_list @prompt @invalid_inputs @farewell
