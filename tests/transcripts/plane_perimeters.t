# Every perimeter row: its prompts, the order of its values and its label.
< "2 1\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
< "1 3 4\n"
> "\tLength of base: " "\tLength of height: " @perimeter "12" "\n" @plane_list @prompt
< "2 1\n"
> "\tLength of base/height: " @perimeter "3.41421" "\n" @plane_list @prompt
< "3 2.5\n"
> "\tLength of side: " @perimeter "7.5" "\n" @plane_list @prompt
< "4 5 6\n"
> "\tLength of equal sides: " "\tLength of other side: " @perimeter "16" "\n" @plane_list @prompt
< "5 3 4 5\n"
> "\tLength of 1st side: " "\tLength of 2nd side: " "\tLength of 3rd side: " @perimeter "12" "\n"
> @plane_list @prompt
< "6 3 4\n"
> "\tLength of lenth: " "\tLength of width: " @perimeter "14" "\n" @plane_list @prompt
< "7 -3\n"
> "\tLength of side: " @perimeter "-12" "\n" @plane_list @prompt
< "8 3 4.5\n"
> "\tLength of lenth: " "\tLength of width: " @perimeter "15" "\n" @plane_list @prompt
< "9 1.25\n"
> "\tLength of side: " @perimeter "5" "\n" @plane_list @prompt
< "10 1 2 3 4.5\n"
> "\tLength of 1st: " "\tLength of 2nd: " "\tLength of 3rd: " "\tLength of 4th: "
> @perimeter "10.5" "\n" @plane_list @prompt
< "11 3 4\n"
> "\tLength of 1st non adjacent side: " "\tLength of 2nd non adjacent side: " @perimeter "14" "\n"
> @plane_list @prompt
< "12 7\n"
> "\tLength of radius: " "\n\tCircumference = " "44" "\n" @plane_list @prompt
< "13 2.5\n"
> "\tLength of side: " @perimeter "15" "\n" @plane_list @prompt
< "0 0 exit\n"
> @plane_quantities @prompt @top_menu @top_prompt @farewell
