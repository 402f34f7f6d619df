# A number past the list and -1 are invalid at the solid menus, 9 is the tetrahedron in the volume
# menu; a calculation after an invalid number brings the list back. The number just past each list:
# TranscriptTest.cpp.
< "3 1 99\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @curved_list @back @prompt @invalid @prompt
< "-1\n"
> @invalid @prompt
< "0 3 9 1\n"
> @solid_quantities @prompt @volume_list @back @prompt
> "\tLength of side: " @volume "0.117851" "\n" @volume_list @back @prompt
< "99\n"
> @invalid @prompt
< "1 2\n"
> "\tLength of side: " @volume "8" "\n" @volume_list @back @prompt
< "0 0 exit\n"
> @solid_quantities @prompt @top_menu @top_prompt @farewell
