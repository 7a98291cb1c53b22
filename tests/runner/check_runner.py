#!/usr/bin/env python3
"""Checks the command line of a multi-class test executable (tests/common/test_runner.cpp):
listing classes and functions, running one class or one function by name, refusing unknown
names, and one valid report of every class run for -o FILE,xml and -o FILE,junitxml.
Usage: check_runner.py TEST_EXECUTABLE"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

exe = sys.argv[1]
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
failures = []


def run(*args, stdout_only=False):
    p = subprocess.run([exe, *args], capture_output=True, text=True, env=env, timeout=300)
    return p.returncode, p.stdout if stdout_only else p.stdout + p.stderr


def check(condition, what, output=""):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)
        print(output[-3000:])


code, out = run("-classes", stdout_only=True)
classes = out.split()
check(code == 0 and len(classes) >= 2, "-classes lists the classes", out)
first, second = classes[0], classes[1]

code, out = run("-functions", stdout_only=True)
functions = [l[:-2] for l in out.split() if l.endswith("()")]
check(code == 0 and all("::" in f for f in functions) and {f.split("::")[0] for f in functions} == set(classes),
      "-functions lists class::function() of every class", out)
first_function = next(f for f in functions if f.startswith(first + "::"))
second_function = next(f for f in functions if f.startswith(second + "::"))

for args in ([first], ["-class", first]):
    code, out = run(*args)
    check(code == 0 and "Start testing of %s" % first in out and "Start testing of %s" % second not in out,
          "%s runs that class alone" % " ".join(args), out)

code, out = run(first_function)
ran = [l for l in out.splitlines() if l.startswith("PASS")]
check(code == 0 and len(ran) == 3 and "%s()" % first_function in out,
      "%s runs that function alone (with the class's fixtures)" % first_function, out)

code, out = run("-class", first, first_function.split("::")[1])
check(code == 0 and len([l for l in out.splitlines() if l.startswith("PASS")]) == 3,
      "-class with a QTest function argument runs that function", out)

for args in (["NoSuchTest"], ["%s::noSuchFunction" % first], ["-class", "NoSuchTest"]):
    code, out = run(*args)
    check(code != 0 and "Unknown" in out, "%s is refused" % " ".join(args), out)

with tempfile.TemporaryDirectory() as tmp:
    xml_report, junit_report = os.path.join(tmp, "report.xml"), os.path.join(tmp, "junit.xml")
    code, out = run(first_function, second_function, "-o", xml_report + ",xml", "-o", junit_report + ",junitxml",
                    "-o", "-,txt")
    check(code == 0 and "Start testing of %s" % second in out, "-o to files and to standard output together", out)
    try:
        root = ET.parse(xml_report).getroot()
        cases = [c.get("name") for c in root.findall("TestCase")]
        check(root.tag == "TestRun" and cases == [first, second], "one xml report with both classes", str(cases))
    except (ET.ParseError, OSError) as e:
        check(False, "the xml report is valid XML", str(e))
    try:
        root = ET.parse(junit_report).getroot()
        suites = root.findall("testsuite")
        total = sum(int(s.get("tests")) for s in suites)
        check(root.tag == "testsuites" and [s.get("name") for s in suites] == [first, second]
              and int(root.get("tests")) == total and int(root.get("failures")) == 0,
              "one junitxml report with both classes and their counts", ET.tostring(root, encoding="unicode")[:2000])
    except (ET.ParseError, OSError) as e:
        check(False, "the junitxml report is valid XML", str(e))

sys.exit(1 if failures else 0)
