# A letter at the sphere's radius: the result line is still printed (radius 0), then the volume
# list, and the next figure read fails.
< "3 3 6 r\n"
> @start @top_menu @top_prompt @solid_quantities @prompt @volume_list @back @prompt
> "\tLength of radius: " @volume "0" "\n" @volume_list @back @prompt @invalid_inputs @farewell
