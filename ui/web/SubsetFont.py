"""SubsetFont.py COLLECTION FAMILY GLYPHS OUTPUT: the family's face from a font collection, cut
down to the characters in the file GLYPHS, as WOFF2."""
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection

collection, family, glyphs, output = sys.argv[1:]
with open(glyphs, encoding="utf-8") as text:
    wanted = text.read()
faces = TTCollection(collection, lazy=True).fonts
font = next(face for face in faces if face["name"].getDebugName(1) == family)
options = subset.Options()
options.flavor = "woff2"
options.hinting = False
options.name_IDs = ["*"]  # keeps the copyright and licence notices
cutter = subset.Subsetter(options)
cutter.populate(text=wanted)
cutter.subset(font)
# A character the face lacks would be drawn in another font, beside the face's own.
missing = sorted({c for c in wanted if c.isprintable()} - {chr(code) for code in font.getBestCmap()})
if missing:
    sys.exit(f"{family} has no {''.join(missing)!r}")
font.flavor = "woff2"
font.recalcTimestamp = False  # the same characters give the same file, and the site the same build
font.save(output)
