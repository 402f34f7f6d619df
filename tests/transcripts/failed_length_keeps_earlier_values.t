# The first scalene triangle fills a, b, c with 3, 4, 5. In the second, the read of a fails: its
# prompts still come, but no result, which would be made of the first triangle's lengths.
< "2 1 5 3 4 5\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
> "\tLength of 1st side: " "\tLength of 2nd side: " "\tLength of 3rd side: " @perimeter "12" "\n"
> @plane_list @prompt
< "5 q\n"
> "\tLength of 1st side: " "\tLength of 2nd side: " "\tLength of 3rd side: "
> @plane_list @prompt @invalid_inputs @farewell
