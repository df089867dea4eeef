#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the package's machine-readable copyright file from .reuse/dep5.

dep5 already names every file's authors and licence; Debian wants the same
stanzas plus a "Files: *" one for the program and the text of each licence
that /usr/share/common-licenses does not carry.
Usage: make-copyright.py SOURCE_DIR OUTPUT
"""
import re
import sys
from pathlib import Path

# SPDX identifier -> (Debian short name, file in /usr/share/common-licenses or None)
NAMES = {
    "GPL-3.0-or-later": ("GPL-3+", "GPL-3"),
    "GPL-2.0-or-later": ("GPL-2+", "GPL-2"),
    "LGPL-3.0-only": ("LGPL-3", "LGPL-3"),
    "CC0-1.0": ("CC0-1.0", "CC0-1.0"),
    "CC-BY-4.0": ("CC-BY-4.0", None),
    "CC-BY-SA-3.0": ("CC-BY-SA-3.0", None),
    "CC-BY-SA-4.0": ("CC-BY-SA-4.0", None),
    "LicenseRef-Liberation": ("Liberation", None),
    "LicenseRef-Tango-PublicDomain": ("public-domain", None),
}

GPL_NOTICE = {
    "GPL-3+": "version 3",
    "GPL-2+": "version 2",
}


def debian_expression(spdx):
    words = spdx.split(" AND ")
    for w in words:
        if w not in NAMES:
            sys.exit(f"make-copyright.py: no Debian name for licence {w}")
    return " and ".join(NAMES[w][0] for w in words)


def indented(text):
    lines = text.rstrip("\n").split("\n")
    return "\n".join(" ." if not line.strip() else " " + line.rstrip() for line in lines)


def licence_stanza(spdx, top):
    name, common = NAMES[spdx]
    if common:
        if name in GPL_NOTICE:
            body = (f"This program is free software: you can redistribute it and/or modify\n"
                    f"it under the terms of the GNU General Public License as published by\n"
                    f"the Free Software Foundation, either {GPL_NOTICE[name]} of the License, or\n"
                    f"(at your option) any later version.\n\n")
        elif name == "LGPL-3":
            body = ("This work is free software: you can redistribute it and/or modify\n"
                    "it under the terms of the GNU Lesser General Public License as\n"
                    "published by the Free Software Foundation, version 3.\n\n")
        else:
            body = ("To the extent possible under law, the authors have dedicated all\n"
                    "copyright and related rights to this work to the public domain.\n\n")
        body += (f"On Debian systems, the complete text of this licence can be found in\n"
                 f"/usr/share/common-licenses/{common}.")
    else:
        body = (top / "LICENSES" / f"{spdx}.txt").read_text(encoding="utf-8")
    return f"License: {name}\n{indented(body)}\n"


def main():
    top, out = Path(sys.argv[1]), Path(sys.argv[2])
    dep5 = (top / ".reuse" / "dep5").read_text(encoding="utf-8")
    paragraphs = [p for p in re.split(r"\n\s*\n", dep5) if p.strip()]
    header, stanzas = paragraphs[0], paragraphs[1:]
    used = ["GPL-3.0-or-later"]
    body = [header.strip() + "\n",
            "Files: *\nCopyright: 2026 Tessaryn Puzzle developers\nLicense: GPL-3+\n"]
    for stanza in stanzas:
        # comments in dep5 say why; the copyright file keeps the facts
        lines = [line for line in stanza.split("\n") if not line.startswith("#")]
        if not lines:
            continue
        text = "\n".join(lines)
        m = re.search(r"^License: (.+)$", text, re.M)
        if not m:
            sys.exit(f"make-copyright.py: stanza without a licence:\n{text}")
        spdx = m.group(1).strip()
        used += [w for w in spdx.split(" AND ") if w not in used]
        body.append(text.replace(m.group(0), f"License: {debian_expression(spdx)}") + "\n")
    for spdx in used:
        body.append(licence_stanza(spdx, top))
    out.write_text("\n".join(body), encoding="utf-8")


if __name__ == "__main__":
    main()
