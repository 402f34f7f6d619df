# A failed length read: the remaining prompts are printed without waiting, no result line, then
# the figure list, and the figure read fails.
< "2 2 1 3 x 5\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of base: " "\tLength of height: " @plane_list @prompt
> @invalid_inputs @farewell
