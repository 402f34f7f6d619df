# An invalid quantity word holds the quantity menu back, but every top-menu read brings it back:
# after 0 to the top menu, entering either branch shows its quantity menu again.
< "2\n"
> @start @top_menu @top_prompt @plane_quantities @prompt
< "x\n"
> @invalid @prompt
< "0\n"
> @top_menu @top_prompt
< "3\n"
> @solid_quantities @prompt
< "y 0\n"
> @invalid @prompt @top_menu @top_prompt
< "2\n"
> @plane_quantities @prompt
< "0 exit\n"
> @top_menu @top_prompt @farewell
