#!/usr/bin/env python3
"""Every shipped catalogue is complete: each text of the sources and of the
dialog templates has a finished translation that keeps its %-arguments, its
tabs and its keyboard mark. Usage: check_catalogues.py SOURCE_DIR LANGUAGE..."""
import glob
import json
import re
import sys
import xml.etree.ElementTree as ET

source_dir, languages = sys.argv[1], sys.argv[2:]
faults = []


def template_texts():
    texts = set()
    for path in glob.glob(f"{source_dir}/res/dialogs/*.json*"):
        template = json.loads(open(path, encoding="utf-8").read())
        texts.add(template["caption"])
        texts.update(c["text"] for c in template["controls"] if c["kind"] != "icon")
    # The release's name is a name: "Tumbleroad V2.2" is the same in every language.
    return {text for text in texts if "@" not in text}


def arguments(text):
    return sorted(re.findall(r"%\d", text))


wanted_dialog_texts = template_texts()
for language in languages:
    path = f"{source_dir}/translations/tumbleroad_{language}.ts"
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError) as error:
        faults.append(f"{path}: {error}")
        continue
    dialog_texts = set()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            where = f"{path}: {name} \"{source}\""
            if name == "Dialog":
                dialog_texts.add(source)
            if translation is None or translation.get("type") is not None:
                faults.append(f"{where}: not finished")
                continue
            text = translation.text or ""
            if not text.strip():
                faults.append(f"{where}: empty")
            elif arguments(text) != arguments(source):
                faults.append(f"{where}: arguments {arguments(text)}")
            elif text.count("\t") != source.count("\t"):
                faults.append(f"{where}: the tab before the key is lost")
            elif ("&" in source) != ("&" in text):
                faults.append(f"{where}: the keyboard mark is lost")
    for missing in sorted(wanted_dialog_texts - dialog_texts):
        faults.append(f"{path}: the dialog text \"{missing}\" is missing")

print("\n".join(faults) if faults else f"{len(languages)} catalogues complete")
sys.exit(1 if faults else 0)
