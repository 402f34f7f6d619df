# Both branches in one run: each returns to the top menu with its text, and the next branch
# starts with its quantity menu.
< "3 3 6 7 0 0 2 2 12 7 0 0 exit\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @volume_list @back @prompt
> "\tLength of radius: " @volume "1437.33" "\n" @volume_list @back @prompt
> @solid_quantities @prompt @top_menu @top_prompt
> @plane_quantities @prompt @plane_list @prompt "\tLength of radius: " @area "154" "\n"
> @plane_list @prompt @plane_quantities @prompt @top_menu @top_prompt @farewell
