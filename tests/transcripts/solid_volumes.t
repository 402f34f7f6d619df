# Every volume row; the cone asks for its height here, the pyramid for "Height: " without "Length of".
< "3 3\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @volume_list @back @prompt
< "1 2.5\n"
> "\tLength of side: " @volume "15.625" "\n" @volume_list @back @prompt
< "2 3 4 5\n"
> "\tLength : " "\tWidth : " "\tHeight : " @volume "60" "\n" @volume_list @back @prompt
< "3 3 4\n"
> "\tLength of radius: " "\tLength of height: " @volume "113.143" "\n" @volume_list @back @prompt
< "4 7 10\n"
> "\tLength of radius: " "\tLength of height: " @volume "513.333" "\n" @volume_list @back @prompt
< "5 6 2.5\n"
> "\tBase area: " "\tLength of height: " @volume "15" "\n" @volume_list @back @prompt
< "6 7\n"
> "\tLength of radius: " @volume "1437.33" "\n" @volume_list @back @prompt
< "7 3\n"
> "\tLength of radius: " @volume "56.5714" "\n" @volume_list @back @prompt
< "8 7 10\n"
> "\tArea of base: " "\tHeight: " @volume "23.3333" "\n" @volume_list @back @prompt
< "9 2\n"
> "\tLength of side: " @volume "0.942809" "\n" @volume_list @back @prompt
< "0 0 exit\n"
> @solid_quantities @prompt @top_menu @top_prompt @farewell
