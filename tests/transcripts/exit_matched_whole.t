# Only the whole word "exit" ends the program: a word that begins with it or is a part of it is an
# invalid word, and the words after "exit" are never read.
< "exitx exit2 exi exit. xexit\n"
> @start @top_menu @top_prompt @top_invalid @top_prompt @top_invalid @top_prompt @top_invalid
> @top_prompt @top_invalid @top_prompt @top_invalid
< "exit 2 1 6 3 4\n"
> @top_prompt @farewell
