# A failed length read stores 0; the remaining prompts are printed without waiting, the result
# of the lengths as they stand is printed, then the figure list, and the figure read fails.
< "2 2 1 3 x 5\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of base: " "\tLength of height: " @area "0" "\n" @plane_list @prompt
> @invalid_inputs @farewell
