# Every area row: its prompts, the order of its values and its label.
< "2 2\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
< "1 3 4\n"
> "\tLength of base: " "\tLength of height: " @area "6" "\n" @plane_list @prompt
< "2 3\n"
> "\tLength of base/height: " @area "4.5" "\n" @plane_list @prompt
< "3 2\n"
> "\tLength of side: " @area "1.73205" "\n" @plane_list @prompt
< "4 5 6\n"
> "\tLength of equal sides: " "\tLength of other side: " @area "12" "\n" @plane_list @prompt
< "5 3 4 5\n"
> "\tLength of 1st side: " "\tLength of 2nd side: " "\tLength of 3rd side: " @area "6" "\n"
> @plane_list @prompt
< "6 3 4.5\n"
> "\tLength of lenth: " "\tLength of width: " @area "13.5" "\n" @plane_list @prompt
< "7 -3\n"
> "\tLength of side: " @area "9" "\n" @plane_list @prompt
< "8 3 4\n"
> "\tLength of lenth: " "\tLength of width: " @area "12" "\n" @plane_list @prompt
< "9 3 5\n"
> "\tLength of 1st diagonal: " "\tLength of 2nd diagonal: " @area "7.5" "\n" @plane_list @prompt
< "10 2 3 4\n"
> "\tLength of 1st parallel side: " "\tLength of 2nd parallel side: " "\tLength of height: "
> @area "10" "\n" @plane_list @prompt
< "11 3 4\n"
> "\tLength of 1st diagonal: " "\tLength of 2nd diagonal: " @area "6" "\n" @plane_list @prompt
< "12 2.1\n"
> "\tLength of radius: " @area "13.86" "\n" @plane_list @prompt
< "13 1\n"
> "\tLength of side: " @area "2.59808" "\n" @plane_list @prompt
< "7 1e200\n"
> "\tLength of side: " @area "inf" "\n" @plane_list @prompt
< "0 0 exit\n"
> @plane_quantities @prompt @top_menu @top_prompt @farewell
