#!/usr/bin/env python3
"""Checks that every language of translations/ is whole and up to date, so that no text lands untranslated:
its catalogue is what lupdate makes of the sources (run on a scratch copy, it changes nothing) and holds no
unfinished, vanished or obsolete entry; its help file has the English help's headings in the same order,
names its language (and its direction when written right to left); its menu entry and software-centre
metadata carry its words.

Usage: check-translations.py <lupdate> <file listing the sources> <source folder> [<metainfo file>]
Every remark is printed; any remark fails."""
import html.parser
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# The options the build's lupdate runs with (res/CMakeLists.txt), so that the scratch copy comes out the same.
LUPDATE_OPTIONS = ["-locations", "none", "-no-obsolete", "-silent"]
RIGHT_TO_LEFT = {"ar", "fa", "he", "ur"}
DESKTOP_KEYS = ["Name", "GenericName", "Comment", "Keywords"]
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


class HelpOutline(html.parser.HTMLParser):
    """The help file's headings by level, its named anchors, and its html element's attributes."""

    def __init__(self):
        super().__init__()
        self.headings, self.anchors, self.html = [], [], {}

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        if re.fullmatch(r"h[1-6]", tag):
            self.headings.append(tag)
        elif tag == "a" and "name" in attributes:
            self.anchors.append(attributes["name"])
        elif tag == "html":
            self.html = attributes


def outline(path):
    parser = HelpOutline()
    parser.feed(path.read_text(encoding="utf-8"))
    return parser


def catalogue_remarks(lupdate, sources, catalogue):
    remarks = []
    with tempfile.TemporaryDirectory() as scratch:
        copy = pathlib.Path(scratch) / catalogue.name
        shutil.copyfile(catalogue, copy)
        subprocess.run([lupdate, *LUPDATE_OPTIONS, "@" + str(sources), "-ts", str(copy)], check=True,
                       capture_output=True)
        if copy.read_bytes() != catalogue.read_bytes():
            remarks.append("is not up to date with the sources: run `cmake --build <build folder> --target "
                           "update_translations`, then translate what it adds")
        # The copy is what the sources make of it: a text new in the sources is an unfinished entry there.
        for message in ElementTree.parse(copy).getroot().iter("message"):
            kind = message.find("translation").get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                remarks.append(f"has an entry {kind}: {message.findtext('source')!r}")
    return remarks


def help_remarks(source_folder, language):
    english = outline(source_folder / "res" / "corvane.HLP")
    path = source_folder / "translations" / "help" / f"corvane_{language}.HLP"
    if not path.is_file():
        return [f"has no help file {path.relative_to(source_folder)}"]
    translated = outline(path)
    remarks = []
    if translated.headings != english.headings:
        remarks.append(f"help file's headings are {translated.headings}, not the English help's {english.headings}")
    if len(translated.anchors) != len(english.anchors):
        remarks.append(f"help file has {len(translated.anchors)} index words, the English help "
                       f"{len(english.anchors)}")
    if translated.html.get("lang") != language.replace("_", "-"):
        remarks.append(f"help file's <html> names the language {translated.html.get('lang')!r}")
    direction = "rtl" if language.split("_")[0] in RIGHT_TO_LEFT else None
    if translated.html.get("dir") != direction:
        remarks.append(f"help file's <html> names the direction {translated.html.get('dir')!r}, not {direction!r}")
    return remarks


def desktop_remarks(source_folder, language):
    entry = (source_folder / "packaging" / "org.brindlemoor.corvane.desktop").read_text(encoding="utf-8")
    return [f"menu entry has no {key}[{language}]" for key in DESKTOP_KEYS
            if not re.search(rf"^{key}\[{re.escape(language)}\]=.+$", entry, re.MULTILINE)]


def metainfo_remarks(metainfo, language):
    root = ElementTree.parse(metainfo).getroot()
    tag = language.replace("_", "-")
    remarks = []
    if not any(element.get(XML_LANG) == tag for element in root.findall("summary")):
        remarks.append(f"software-centre metadata has no summary in {tag}")
    if not any(p.get(XML_LANG) == tag for p in root.find("description").findall("p")):
        remarks.append(f"software-centre metadata has no description in {tag}")
    return remarks


def main():
    lupdate, sources, source_folder = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    metainfo = pathlib.Path(sys.argv[4]) if len(sys.argv) > 4 else None
    catalogues = sorted((source_folder / "translations").glob("corvane_*.ts"))
    if not catalogues:
        print("FAILED: translations/ holds no catalogue")
        return 1
    failed = False
    for catalogue in catalogues:
        language = catalogue.stem.removeprefix("corvane_")
        remarks = catalogue_remarks(lupdate, sources, catalogue) + help_remarks(source_folder, language) + \
            desktop_remarks(source_folder, language)
        if metainfo:
            remarks += metainfo_remarks(metainfo, language)
        for remark in remarks:
            print(f"FAILED: {language}: {remark}")
        failed = failed or bool(remarks)
    if not failed:
        print("every language is whole and up to date: " + ", ".join(c.stem.removeprefix("corvane_") for c in catalogues))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
