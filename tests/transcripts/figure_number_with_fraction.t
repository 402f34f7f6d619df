# 1.5 selects figure 1 and .5 is taken at once as the base; the read then waits for the height.
# (0.5 + 4) + sqrt(0.25 + 16) = 8.531128874149275.
< "2 1 1.5\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of base: " "\tLength of height: "
< "4\n"
> @perimeter "8.53113" "\n" @plane_list @prompt
< "0 0 exit\n"
> @plane_quantities @prompt @top_menu @top_prompt @farewell
