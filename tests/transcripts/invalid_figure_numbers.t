# A number past the list and -1 are invalid (taken as unsigned, -1 is above every figure number);
# after them only the prompt comes, until a calculation brings the list back. The number just past
# each list: TranscriptTest.cpp.
< "2 2\n"
> @start @top_menu @top_prompt @plane_quantities @prompt @plane_list @prompt
< "99\n"
> @invalid @prompt
< "-1\n"
> @invalid @prompt
< "-2147483648\n"
> @invalid @prompt
< "7 3\n"
> "\tLength of side: " @area "9" "\n" @plane_list @prompt
< "0 0 exit\n"
> @plane_quantities @prompt @top_menu @top_prompt @farewell
