# 02, 2.0, 3x and 22 are not the choice "2"; the menu text stays held back until a branch
# has been entered and left.
< "02 2.0 3x 22\n"
> @start @top_menu @top_prompt @top_invalid @top_prompt @top_invalid @top_prompt @top_invalid
> @top_prompt @top_invalid
< "2\n"
> @top_prompt @plane_quantities @prompt
< "0\n"
> @top_menu @top_prompt
< "exit\n"
> @farewell
