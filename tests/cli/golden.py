#!/usr/bin/env python3
"""The seed is a promise: seeded command lines print exactly these outputs.

Each case runs quendaro-cli and compares its standard output byte for byte
with tests/cli/golden/NAME. A change to a table or to the order of draws shows
here, in review, as a changed golden file.
Usage: golden.py QUENDARO_CLI [--update]
"""
import os
import subprocess
import sys

CASES = {
    "character.txt": ["character", "--race", "Umano", "--class", "Paladino",
                      "--alignment", "Legale/buono", "--age", "30",
                      "--seed", "1", "--count", "2"],
    "character.md": ["character", "--race", "Nano di collina",
                     "--class", "Guerriero(puro)", "--name", "Brunilde",
                     "--age", "120", "--seed", "2", "--format", "markdown"],
    "character.jsonl": ["character", "--race", "Elfo alto", "--class",
                        "Mago generico", "--seed", "3", "--count", "3",
                        "--json"],
    "treasure.txt": ["treasure", "--A", "2", "--H", "1", "--seed", "4"],
    "treasure.md": ["treasure", "--B", "3", "--I", "5", "--seed", "5",
                    "--format", "markdown"],
    "treasure.jsonl": ["treasure", "--C", "1", "--G", "4", "--seed", "6",
                       "--count", "3", "--json"],
    "weapon.txt": ["weapon", "--seed", "7", "--count", "2"],
    "weapon.md": ["weapon", "--seed", "8", "--format", "markdown"],
    "weapon.jsonl": ["weapon", "--seed", "9", "--count", "3", "--json"],
    "hitpoints.txt": ["hitpoints", "--group", "Militare", "--level", "5",
                      "--seed", "10", "--count", "3"],
    "hitpoints.md": ["hitpoints", "--group", "Vagabondo", "--level", "12",
                     "--reroll", "--seed", "11", "--format", "markdown"],
    "hitpoints.jsonl": ["hitpoints", "--group", "Sacerdote", "--level", "20",
                        "--seed", "12", "--count", "3", "--json"],
    "name.txt": ["name", "--sex", "f", "--seed", "13", "--count", "5"],
    "name.md": ["name", "--sex", "m", "--seed", "14", "--count", "3",
                "--format", "markdown"],
    "name.jsonl": ["name", "--sex", "m", "--seed", "15", "--count", "3",
                   "--json"],
}


def main():
    cli = sys.argv[1]
    update = "--update" in sys.argv[2:]
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "golden")
    failures = 0
    for name, arguments in CASES.items():
        run = subprocess.run([cli] + arguments, capture_output=True,
                             check=False, env={"LC_ALL": "C.UTF-8"})
        path = os.path.join(folder, name)
        if update:
            os.makedirs(folder, exist_ok=True)
            with open(path, "wb") as f:
                f.write(run.stdout)
            continue
        with open(path, "rb") as f:
            expected = f.read()
        if run.returncode != 0 or run.stdout != expected:
            failures += 1
            print(f"{name}: 'quendaro-cli {' '.join(arguments)}' printed "
                  f"something else (exit {run.returncode})")
            print(run.stdout.decode("utf-8", "replace")[:2000])
    if failures:
        print(f"{failures} outputs differ; if the change is meant, run "
              f"tests/cli/golden.py build/src/cli/quendaro-cli --update")
        return 1
    print(f"all {len(CASES)} outputs as pinned")
    return 0


if __name__ == "__main__":
    sys.exit(main())
