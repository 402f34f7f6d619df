# A calculation sets the quantity menu flag again. 01 and 1.0 are invalid quantity words.
< "2\n01\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @invalid @prompt
< "1.0\n"
> @invalid @prompt
< "1\n"
> @plane_list @prompt
< "7\n"
> "\tLength of side: "
< "2\n"
> @perimeter "8" "\n" @plane_list @prompt
< "0\n"
> @plane_quantities @prompt
< "0\n"
> @top_menu @top_prompt
< "2\n"
> @plane_quantities @prompt
< "0 exit\n"
> @top_menu @top_prompt @farewell
