# An invalid quantity word clears the quantity menu text; neither a valid quantity word nor 0 at
# a figure menu brings it back, so the quantity prompt comes alone.
< "2\n"
> @start @top_menu @top_prompt @plane_quantities @prompt
< "3\n"
> @invalid @prompt
< "1\n"
> @plane_list @prompt
< "0\n"
> @prompt
< "0\n"
> @top_menu @top_prompt
< "exit\n"
> @farewell
