# As top_menu_word.t, the end of input met by the radius's read: the radius stays 0.
< "2 2 12\x04\x04" "1\n\x04"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of radius: " @area "0\n" @plane_list @prompt @invalid_inputs @farewell
