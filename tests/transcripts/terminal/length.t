# As top_menu_word.t, the end of input met after a length: 22/7 * 7 * 7 = 154.
< "2 2 12 7\x04\x04" "1\n\x04"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of radius: " @area "154\n" @plane_list @prompt @invalid_inputs @farewell
