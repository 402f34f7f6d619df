# Every total-surface row; the cuboid's prompts have a blank before the colon.
< "3 2\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @total_list @back @prompt
< "1 2\n"
> "\tLength of side: " @total "24" "\n" @total_list @back @prompt
< "2 3 4 5\n"
> "\tLength : " "\tWidth : " "\tHeight : " @total "94" "\n" @total_list @back @prompt
< "3 3 4\n"
> "\tLength of radius: " "\tLength of height: " @total "132" "\n" @total_list @back @prompt
< "4 3 4\n"
> "\tLength of radius: " "\tLength of slant height: " @total "66" "\n" @total_list @back @prompt
< "5 2 5 4\n"
> "\tLength of 1st radius: " "\tLength of 2nd radius: " "\tLength of height: " @total "201.143" "\n"
> @total_list @back @prompt
< "6 3\n"
> "\tLength of radius: " @total "113.143" "\n" @total_list @back @prompt
< "7 3\n"
> "\tLength of radius: " @total "84.8571" "\n" @total_list @back @prompt
< "8 7 10\n"
> "\tArea of lateral face: " "\tArea of base: " @total "17" "\n" @total_list @back @prompt
< "9 2\n"
> "\tLength of side: " @total "6.9282" "\n" @total_list @back @prompt
< "0 0 exit\n"
> @solid_quantities @prompt @top_menu @top_prompt @farewell
