# The reads of the 2nd and 3rd sides find no number and leave b and c at their initial 0.
< "2 1 5 3"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of 1st side: "
< @end_of_input
> "\tLength of 2nd side: " "\tLength of 3rd side: " @perimeter "3" "\n"
> @plane_list @prompt @invalid_inputs @farewell
