# As top_menu_word.t, the end of input met by the quantity menu's read.
< "2 2\x04\x04" "1\n\x04"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> @invalid_inputs @farewell
