import re
import sys
size = int(sys.argv[1]) if len(sys.argv) > 1 else 2000000
print(len(re.sub("a", "bb", "a" * size)))
