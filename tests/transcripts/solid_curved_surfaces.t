# Every curved-surface row. The frustum asks for the height and the slant height is derived:
# radii 2 and 5 with height 4 have slant height 5, so (5 * pi) * 7 = 110.
< "3\n"
> @start @top_menu @top_prompt @solid_quantities @prompt
< "1\n"
> @curved_list @back @prompt
< "1 2\n"
> "\tLength of side: " @curved "16" "\n" @curved_list @back @prompt
< "2 3 4\n"
> "\tLength of radius: " "\tLength of height: " @curved "75.4286" "\n" @curved_list @back @prompt
< "3 3 4\n"
> "\tLength of radius: " "\tLength of slant height: " @curved "37.7143" "\n"
> @curved_list @back @prompt
< "4 2 5 4\n"
> "\tLength of 1st radius: " "\tLength of 2nd radius: " "\tLength of height: " @curved "110" "\n"
> @curved_list @back @prompt
< "5 7\n"
> "\tLength of radius: " @curved "308" "\n" @curved_list @back @prompt
< "6 12 2.5\n"
> "\tPermeter of base: " "\tLength of height: " @curved "30" "\n" @curved_list @back @prompt
< "7 12 5\n"
> "\tPermeter of base: " "\tLength of slant height: " @curved "30" "\n" @curved_list @back @prompt
< "8 2\n"
> "\tLength of side: " @curved "5.19615" "\n" @curved_list @back @prompt
< "0 0 exit\n"
> @solid_quantities @prompt @top_menu @top_prompt @farewell
