# CR LF line ends and tabs between answers are white space.
< "2\r\n\t1\t6\r\n3\t4\r\n0\r\n0\r\nexit\r\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of lenth: " "\tLength of width: " @perimeter "14" "\n" @plane_list @prompt
> @plane_quantities @prompt @top_menu @top_prompt @farewell
