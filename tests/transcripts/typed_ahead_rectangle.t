# A whole calculation typed on one line: every prompt is printed, no read waits.
< "2 1 6 3 4\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of lenth: " "\tLength of width: " @perimeter "14" "\n"
> @plane_list @prompt
< "0 0 exit\n"
> @plane_quantities @prompt @top_menu @top_prompt @farewell
