#!/bin/sh
# Writes docs/yogas.md from the yoga library as orvane-cli lists it:
#   scripts/yogas-doc.sh build/orvane-cli > docs/yogas.md
set -eu
cli=${1:-build/orvane-cli}
"$cli" --list-yogas --json | python3 -c '
import json, sys
rows = json.load(sys.stdin)
print("# Yogas")
print()
print("Orvane finds %d yogas. Each is one row of the rule library in `yoga/library.cpp`;" % len(rows))
print("its rule below is written from the row itself. Houses are whole signs counted from the")
print("lagna unless a rule names another reference. A planet is *strong* in its own, exaltation,")
print("moolatrikona or a friend'"'"'s sign (natural friendship), not combust. The *benefics* are")
print("Jupiter, Venus, Mercury when no malefic shares its sign, and the waxing Moon; the *malefics*")
print("the Sun, Mars, Saturn, the nodes, the waning Moon and an afflicted Mercury. Aspects are")
print("whole-sign graha drishti: the 7th for all, Mars the 4th and 8th, Jupiter the 5th and 9th,")
print("Saturn the 3rd and 10th; the nodes the 7th (`YogaOptions::nodesAspectLikeJupiter` adds the")
print("5th and 9th). A planet is combust within 12 (Moon), 17 (Mars), 14 (Mercury; 12 retrograde),")
print("11 (Jupiter), 10 (Venus; 8 retrograde) or 15 (Saturn) degrees of the Sun.")
print()
print("Every found yoga lists, besides the conditions it meets, each cancellation its row names and")
print("each weakening of a planet that forms it: debilitated, combust, in an enemy'"'"'s sign, aspected")
print("by a malefic. Chapters of Brihat Parashara Hora Shastra follow Santhanam'"'"'s translation.")
print("`orvane-cli --yogas [--json] [--yoga-chart D1|D9|D10]` lists a chart'"'"'s yogas and")
print("`orvane-cli --list-yogas [--json]` this library.")
family = None
for r in rows:
    if r["family"] != family:
        family = r["family"]
        print()
        print("## " + family)
    print()
    print("### %s (`%s`)" % (r["name"], r["key"]))
    print()
    print("- Source: " + r["source"])
    print("- Rule: " + r["rule"])
    print("- Effect: " + r["effect"])
    if r["reading"]:
        print("- Reading: " + r["reading"])
'
