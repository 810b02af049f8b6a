"""Prints the run report of velgaro.exe /inst (/REPORT=FILE) as one line per package, named as given
(the report holds the name upper-cased, as the command line is read), then the run's exit code on a
line of its own: run_report.py REPORT PACKAGE_NAME. A missing or unreadable report counts as not
installed (1603): the run ended without one, for instance because a main window already open in the
same Wine prefix took the start over."""
import json
import sys


def main(path, name):
    try:
        with open(path, encoding="utf-8") as f:
            report = json.load(f)
        code = int(report["exit_code"])
        rows = list(report["packages"])
    except (OSError, ValueError, KeyError, TypeError):
        print(f"  {name}: no run report (is velgaro.exe already open in this Wine prefix?)")
        print(1603)
        return
    if not rows:
        print(f"  {name}: not played")
    for row in rows:
        line = f"  {name}: {row.get('outcome', '?')} in {row.get('time', '?')}"
        if row.get("details"):
            line += f" ({row['details']})"
        print(line)
    print(code)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
