# As top_menu_word.t, the end of input met by the radius's read: no result line.
< "2 2 12\x04\x04" "1\n\x04"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of radius: " @plane_list @prompt @invalid_inputs @farewell
