# Only the first word is read: leading blanks are skipped and the rest is never looked at.
< "   exit now, please\n2 1 6 3 4\n"
> @start @top_menu @top_prompt @farewell
