# Every language's table holds every key of the English one, translated, with the same
# placeholders, and is built into the program: a key missing from a table would show English.
# Run by CTest: python3 tables_complete.py SOURCE_DIR
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

root = pathlib.Path(sys.argv[1])
folder = root / "resources" / "i18n"
built = (root / "app" / "CMakeLists.txt").read_text()


def table(path):
    return {m.get("id"): m for m in ET.parse(path).iter("message")}


def placeholders(text):
    return sorted(re.findall(r"%\d", text))


english = table(folder / "lockmere_en.ts")
tables = sorted(folder.glob("lockmere_*.ts"))
failures = [] if len(tables) >= 8 else [f"only {len(tables)} tables"]
for path in tables:
    messages = table(path)
    if f"resources/i18n/{path.name}" not in built:
        failures.append(f"{path.name} is not built into the program")
    failures += [f"{path.name}: {key} is no English key" for key in messages.keys() - english.keys()]
    for key, message in english.items():
        source = message.findtext("source")
        translation = messages[key].find("translation") if key in messages else None
        if translation is None or not (translation.text or "").strip() or translation.get("type"):
            failures.append(f"{path.name}: {key} is not translated")
        elif placeholders(translation.text) != placeholders(source):
            failures.append(f"{path.name}: {key} loses the placeholders of {source!r}")
sys.exit("\n".join(failures) or None)
