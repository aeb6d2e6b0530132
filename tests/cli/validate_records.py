#!/usr/bin/env python3
"""Every generator's records, valid against the schema the program installs.

Runs quendaro-cli as a user would, for a spread of inputs of each generator,
and checks every JSON line against docs/record.schema.json (draft 2020-12).
Usage: validate_records.py QUENDARO_CLI SCHEMA
"""
import json
import subprocess
import sys

import jsonschema

COMMANDS = [
    # Requests the rules refuse, as the window takes them: messages and
    # sheets of zeros.
    ["character", "--as-typed", "--count", "300"],
    ["character", "--race", "Umano", "--class", "Paladino",
     "--alignment", "Legale/buono", "--age", "30", "--count", "300"],
    ["character", "--as-typed", "--race", "Nano di collina", "--class",
     "Guerriero(puro)", "--age", "451", "--height", "130", "--weight", "70", "--count", "200"],
    ["character", "--as-typed", "--race", "Mezzelfo", "--class", "Paladino",
     "--alignment", "Caotico/buono", "--count", "50"],
    ["character", "--as-typed", "--name", "Orvo", "--age", "abc"],
    # Quotes, a backslash and controls, which JSON writes escaped.
    ["character", "--as-typed", "--race", "elfo \"alto\" \\ \x1b\u202e\x7f"],
    ["treasure", "--count", "20"],
    ["treasure", "--A", "5", "--B", "1", "--C", "2", "--D", "3", "--E", "4",
     "--F", "5", "--G", "1", "--H", "2", "--I", "3", "--count", "300"],
    ["treasure", "--A", "5", "--B", "3", "--D", "2", "--E", "1", "--F", "4",
     "--G", "5", "--H", "5", "--count", "100", "--contents"],
    ["weapon", "--count", "500"],
    ["hitpoints", "--group", "Militare", "--level", "1", "--count", "20"],
    ["hitpoints", "--group", "Esperto di magia", "--level", "20", "--reroll"],
    ["hitpoints", "--as-typed", "--group", "Sacerdote", "--level", "abc"],
    ["name", "--sex", "m", "--count", "50"],
    ["name", "--sex", "f", "--count", "50"],
    ["name"],
    ["name", "--as-typed"],
    ["npc", "--count", "300"],
    ["npc", "--level", "20", "--count", "300"],
    ["npc", "--level", "7", "--count", "6"],
    # Parties, as the "Gruppo di PNG" window makes them.
    ["npc", "--party", "12", "--level", "9", "--count", "20"],
    ["npc", "--party", "1", "--race", "Nano di collina", "--class", "Ladro"],
    # With --explain every record carries its rolls.
    ["character", "--as-typed", "--race", "Umano", "--class", "Paladino",
     "--age", "200", "--count", "100", "--explain"],
    ["character", "--name", "Orvo", "--explain"],
    ["treasure", "--A", "5", "--H", "2", "--count", "50", "--explain"],
    ["treasure", "--B", "5", "--H", "2", "--count", "20", "--explain",
     "--contents"],
    ["weapon", "--count", "200", "--explain"],
    ["hitpoints", "--group", "Militare", "--level", "15", "--explain"],
    ["hitpoints", "--as-typed", "--group", "Sacerdote", "--level", "abc",
     "--explain"],
    ["name", "--sex", "f", "--count", "50", "--explain"],
    ["npc", "--level", "12", "--count", "100", "--explain"],
    ["npc", "--party", "3", "--count", "5", "--explain"],
]


def main():
    cli, schema_path = sys.argv[1], sys.argv[2]
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    failures = 0
    for seed, command in enumerate(COMMANDS):
        arguments = [cli] + command + ["--json", "--seed", str(seed)]
        run = subprocess.run(arguments, capture_output=True, check=False,
                             env={"LC_ALL": "C.UTF-8"})
        if run.returncode != 0:
            print(f"{command}: exit {run.returncode}: {run.stderr!r}")
            failures += 1
            continue
        for number, line in enumerate(run.stdout.decode("utf-8").splitlines()):
            record = json.loads(line)
            errors = list(validator.iter_errors(record))
            if record["seed"] != seed or record["index"] != number:
                errors.append("seed or index out of step")
            if ("--explain" in command) != ("rolls" in record):
                errors.append("rolls without --explain, or missing with it")
            for error in errors[:3]:
                print(f"{command} line {number}: {error}")
            failures += bool(errors)
    if failures:
        print(f"{failures} invalid runs or records")
        return 1
    print("every record is valid")
    return 0


if __name__ == "__main__":
    sys.exit(main())
