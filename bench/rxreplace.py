import re
print(len(re.sub("a", "bb", "a" * 2000000)))
