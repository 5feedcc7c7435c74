#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
"""Mutation check of the test suite: applies the faults listed in tests/mutants.txt one at a
time, rebuilds, runs the tests that can see the changed file and reports which faults no test
caught. Run by `make mutate`; see the list file for its format."""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The QtTest programs (CTest names area/tst_x) that link the code of each source folder. The
# rest (the consumer build, the desktop file checks) never sees a changed line.
TESTS_SEEING = {
    'calc/': ['calc', 'app'],
    'numedit/': ['numedit', 'calc', 'designer', 'examples'],
}
ALL_QTTESTS = r'/tst_'


class ListError(Exception):
    pass


class Interrupted(Exception):
    pass


class Mutant:
    def __init__(self, path, number, line, description):
        self.path = path
        self.number = number
        self.line = line
        self.description = description
        self.original = []
        self.replacement = []
        self.equivalent = None

    @property
    def ident(self):
        return '%s:%d' % (os.path.basename(self.path), self.number)

    def pattern(self):
        # Blanks and line breaks are layout: any run of them matches any other.
        tokens = ' '.join(self.original).split()
        return re.compile(r'\s+'.join(re.escape(t) for t in tokens))


def parse_list(list_path):
    """The sections and mutants of the list file, in order; raises ListError with the line."""
    sections = []          # [path, [Mutant]]
    current = None
    with open(list_path, encoding='utf-8') as f:
        lines = f.read().splitlines()

    def fail(n, message):
        raise ListError('%s:%d: %s' % (os.path.relpath(list_path, ROOT), n, message))

    def finish(m):
        if m is None:
            return
        if not m.original:
            fail(m.line, 'mutant without a "-" line (the code text it changes)')
        if not m.replacement:
            fail(m.line, 'mutant without a "+" line (a bare "+" replaces with nothing)')
        if ' '.join(m.original).split() == ' '.join(m.replacement).split():
            fail(m.line, 'the replacement changes nothing')

    mutant = None
    for n, raw in enumerate(lines, 1):
        line = raw.rstrip()
        if not line or line.startswith('#'):
            continue
        if line.startswith('== '):
            finish(mutant)
            mutant = None
            current = [line[3:].strip(), []]
            sections.append(current)
        elif line.startswith('* '):
            finish(mutant)
            if current is None:
                fail(n, 'mutant before any "== path" line')
            mutant = Mutant(current[0], len(current[1]) + 1, n, line[2:].strip())
            current[1].append(mutant)
        elif mutant is None:
            fail(n, 'expected "== path" or "* fault" here')
        elif line == '-' or line.startswith('- '):
            if mutant.replacement or mutant.equivalent is not None:
                fail(n, '"-" line after the replacement')
            mutant.original.append(line[2:])
        elif line == '+' or line.startswith('+ '):
            if not mutant.original or mutant.equivalent is not None:
                fail(n, '"+" line out of place (the "-" lines come first)')
            mutant.replacement.append(line[2:])
        elif line.startswith('equivalent:'):
            why = line[len('equivalent:'):].strip()
            if not why:
                fail(n, '"equivalent:" needs one line saying why')
            mutant.equivalent = why
        else:
            fail(n, 'unknown line; mutant lines start with "* ", "- ", "+ " or "equivalent:"')
    finish(mutant)
    return sections


def test_areas(path):
    """The test areas that see a source file, or None for all of them."""
    for folder, areas in TESTS_SEEING.items():
        if path.startswith(folder):
            return areas
    return None


def tests_regex(path):
    areas = test_areas(path)
    return '^(%s)/tst_' % '|'.join(areas) if areas else ALL_QTTESTS


def build_targets(path):
    """The build targets of those tests (each tests/<area>/tst_x.cpp is the program tst_x);
    none means everything."""
    areas = test_areas(path)
    if not areas:
        return []
    return sorted(os.path.splitext(name)[0] for area in areas
                  for name in os.listdir(os.path.join(ROOT, 'tests', area))
                  if name.startswith('tst_') and name.endswith('.cpp'))


class Runner:
    """Runs commands in their own process group, so that a time-out or Ctrl+C ends all of
    their children too."""

    def __init__(self):
        self.child = None

    def run(self, command, timeout, env=None):
        """(exit status or None on time-out, output)."""
        self.child = subprocess.Popen(command, cwd=ROOT, env=env, stdout=subprocess.PIPE,
                                      stderr=subprocess.STDOUT, text=True,
                                      start_new_session=True)
        try:
            output, _ = self.child.communicate(timeout=timeout)
            return self.child.returncode, output
        except subprocess.TimeoutExpired:
            self.stop()
            return None, ''
        finally:
            self.stop()
            self.child = None

    def stop(self):
        if self.child is not None and self.child.poll() is None:
            try:
                os.killpg(self.child.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.child.wait()


class Workspace:
    """Applies one mutant at a time. The pristine file is kept in the build folder while the
    mutant is in place, so that a run killed outright is repaired by the next one."""

    def __init__(self, build_dir):
        self.keep = os.path.join(build_dir, 'pristine')

    def repair(self):
        if not os.path.isdir(self.keep):
            return
        for folder, _, files in os.walk(self.keep):
            for name in files:
                kept = os.path.join(folder, name)
                path = os.path.relpath(kept, self.keep)
                shutil.copyfile(kept, os.path.join(ROOT, path))
                os.remove(kept)
                print('restored %s, left mutated by an interrupted run' % path)

    def apply(self, mutant, text, span):
        kept = os.path.join(self.keep, mutant.path)
        os.makedirs(os.path.dirname(kept), exist_ok=True)
        with open(kept, 'w', encoding='utf-8', newline='') as f:
            f.write(text)
        mutated = text[:span[0]] + '\n'.join(mutant.replacement) + text[span[1]:]
        with open(os.path.join(ROOT, mutant.path), 'w', encoding='utf-8', newline='') as f:
            f.write(mutated)

    def restore(self, mutant, text):
        with open(os.path.join(ROOT, mutant.path), 'w', encoding='utf-8', newline='') as f:
            f.write(text)
        kept = os.path.join(self.keep, mutant.path)
        if os.path.exists(kept):
            os.remove(kept)


def read_source(path):
    full = os.path.join(ROOT, path)
    if not os.path.isfile(full):
        return None
    with open(full, encoding='utf-8', newline='') as f:
        return f.read()


def locate(mutant):
    """(source text, span of the one match) or (source text, count of matches)."""
    text = read_source(mutant.path)
    if text is None:
        return None, 0
    matches = list(mutant.pattern().finditer(text))
    if len(matches) == 1:
        return text, matches[0].span()
    return text, len(matches)


def failed_tests(output):
    names = re.findall(r'^\s*\d+ - (\S+) \(([^)]*)\)\s*$', output, re.M)
    return ', '.join('%s (%s)' % n for n in names)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--list', dest='list_file', default='tests/mutants.txt',
                        help='the list of mutants (default: tests/mutants.txt)')
    parser.add_argument('--file', action='append', default=[],
                        help="run only this source file's mutants (a path or its end)")
    parser.add_argument('--mutant', action='append', default=[],
                        help='run only this mutant, named as printed: DurationEngine.cpp:7')
    parser.add_argument('--show', action='store_true',
                        help='list the mutants with their names and build nothing')
    parser.add_argument('--check', action='store_true',
                        help='build nothing; exit status 1 if a mutant is stale')
    parser.add_argument('--run-equivalent', action='store_true',
                        help='run the mutants marked equivalent too (a killed one is mismarked)')
    parser.add_argument('--build-dir', default='build/mutate')
    parser.add_argument('--jobs', type=int, default=os.cpu_count() or 2)
    parser.add_argument('--timeout', type=float, default=0,
                        help='seconds for one run of the tests (default: 5 x the clean run, '
                             'at least 60)')
    parser.add_argument('--min-score', type=float, default=90,
                        help='exit status 1 if a file scores below this percentage')
    args = parser.parse_args()

    try:
        sections = parse_list(os.path.join(ROOT, args.list_file))
    except ListError as e:
        print('mutate: %s' % e, file=sys.stderr)
        return 2

    def chosen(m):
        if args.file and not any(m.path == f or m.path.endswith('/' + f.lstrip('./'))
                                 or m.path == f.lstrip('./') for f in args.file):
            return False
        if args.mutant and not any(x in (m.ident, '%s:%d' % (m.path, m.number))
                                   for x in args.mutant):
            return False
        return True

    build_dir = os.path.join(ROOT, args.build_dir)
    workspace = Workspace(build_dir)
    mutants = [m for _, ms in sections for m in ms if chosen(m)]
    # Listing touches no file: a run going on meanwhile keeps its mutant in place.
    if args.show or args.check:
        stale = 0
        for m in mutants:
            text, where = locate(m)
            mark = '  (equivalent)' if m.equivalent else ''
            if not isinstance(where, tuple):
                mark = '  (STALE: found %d times)' % where
                stale += 1
            if args.show or not isinstance(where, tuple):
                print('%-28s %s%s' % (m.ident, m.description, mark))
        if args.check:
            print('mutate: %d of %d mutants stale' % (stale, len(mutants)))
        return 1 if args.check and stale else 0
    if not mutants:
        print('mutate: no mutant matches the selection', file=sys.stderr)
        return 2
    workspace.repair()

    runner = Runner()

    def on_signal(signum, _frame):
        raise Interrupted(signal.Signals(signum).name)
    # Also when started with SIGINT ignored (in the background of a script).
    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGHUP, on_signal)

    env = dict(os.environ, QT_QPA_PLATFORM='offscreen')
    started = time.monotonic()
    fates = []    # (mutant, fate, detail)
    try:
        print('Configuring and building %s (Release, tests, no sanitizers) ...' % args.build_dir)
        status, output = runner.run(
            ['cmake', '-S', '.', '-B', build_dir, '-DCMAKE_BUILD_TYPE=Release',
             '-DBUILD_TESTING=ON', '-DZELKOR_SANITIZE=OFF', '-DZELKOR_FUZZ=OFF',
             '-DZELKOR_WERROR=OFF', '-DZELKOR_BENCHMARKS=OFF', '-DZELKOR_EXAMPLES=ON'], 600)
        if status == 0:
            status, output = runner.run(
                ['cmake', '--build', build_dir, '-j%d' % args.jobs], 3600)
        if status != 0:
            print(output, 'mutate: the unmutated tree does not build', sep='\n', file=sys.stderr)
            return 2
        print('Clean build: %.0f s' % (time.monotonic() - started))

        def ctest(regex, timeout):
            return runner.run(['ctest', '--test-dir', build_dir, '-R', regex,
                               '-j%d' % args.jobs, '--timeout', '%d' % timeout,
                               '--stop-on-failure', '--no-tests=error'], timeout, env)

        # The tests each selection runs must pass on the clean tree; their time sets the limit.
        limits = {}
        for regex in sorted({tests_regex(m.path) for m in mutants}):
            t0 = time.monotonic()
            status, output = ctest(regex, 600)
            took = time.monotonic() - t0
            if status != 0:
                print(output, 'mutate: the tests %s fail without any mutant' % regex,
                      sep='\n', file=sys.stderr)
                return 2
            limits[regex] = args.timeout or max(60.0, 5 * took)
            print('Clean run of the tests %s: %.0f s, time-out per mutant %.0f s'
                  % (regex, took, limits[regex]))
        print()

        for i, m in enumerate(mutants, 1):
            text, where = locate(m)
            if text is None or not isinstance(where, tuple):
                detail = ('the file is missing' if text is None
                          else 'the text occurs %d times' % where)
                fates.append((m, 'stale', detail))
            elif m.equivalent and not args.run_equivalent:
                fates.append((m, 'equivalent', m.equivalent))
            else:
                t0 = time.monotonic()
                try:
                    workspace.apply(m, text, where)
                    targets = build_targets(m.path)
                    status, output = runner.run(
                        ['cmake', '--build', build_dir, '-j%d' % args.jobs] +
                        (['--target'] + targets if targets else []), 1800)
                    if status != 0:
                        fate, detail = 'killed', 'does not build'
                    else:
                        regex = tests_regex(m.path)
                        status, output = ctest(regex, limits[regex])
                        if status is None:
                            fate, detail = 'killed', 'time-out'
                        elif status != 0:
                            fate, detail = 'killed', failed_tests(output) or 'tests fail'
                        else:
                            fate, detail = 'survived', ''
                finally:
                    workspace.restore(m, text)
                if m.equivalent:
                    fate, detail = ('equivalent', m.equivalent) if fate == 'survived' else \
                        ('MISMARKED', 'marked equivalent but ' + (detail or fate))
                detail = ('%s; ' % detail if detail else '') + '%.0f s' % (time.monotonic() - t0)
                fates.append((m, fate, detail))
            report(i, len(mutants), *fates[-1])
    except Interrupted:
        runner.stop()
        print('\nmutate: interrupted; every source file is restored', file=sys.stderr)
        return 130

    everything = not args.file and not args.mutant
    return summary(sections, mutants, fates, args.min_score, time.monotonic() - started,
                   everything)


def report(i, count, m, fate, detail):
    print('[%d/%d] %-26s %-10s %s' % (i, count, m.ident, fate, m.description))
    if detail:
        print('        %s' % detail)
    if fate in ('survived', 'stale'):
        for line in m.original:
            print('        - %s' % line.strip())
        for line in m.replacement:
            print('        + %s' % line.strip())
    sys.stdout.flush()


def summary(sections, mutants, fates, min_score, seconds, everything):
    print('\n%-36s %7s %9s %7s %6s %11s' % ('file', 'killed', 'survived', 'score', 'stale',
                                            'equivalent'))
    totals = {}
    low = False

    def line(name, counts):
        nonlocal low
        killed, survived = counts.get('killed', 0), counts.get('survived', 0)
        score = '-'
        if killed + survived:
            pct = 100.0 * killed / (killed + survived)
            score = '%.0f %%' % pct
            low = low or pct < min_score
        print('%-36s %7d %9d %7s %6d %11d' % (name, killed, survived, score,
                                              counts.get('stale', 0),
                                              counts.get('equivalent', 0)))

    paths = [p for p, _ in sections]
    for path in paths:
        counts = {}
        for m, fate, _ in fates:
            if m.path == path:
                counts[fate] = counts.get(fate, 0) + 1
                totals[fate] = totals.get(fate, 0) + 1
        if any(m.path == path for m in mutants):
            line(path, counts)
        elif everything:
            print('%-36s %s' % (path, 'no mutants listed'))
    line('overall', totals)
    print('\n%d mutants in %.0f min %.0f s' % (len(fates), seconds // 60, seconds % 60))
    problems = totals.get('stale', 0) + totals.get('MISMARKED', 0)
    if problems:
        print('Stale or mismarked mutants: bring their text up to date with the code.')
    return 1 if low or problems else 0


if __name__ == '__main__':
    sys.exit(main())
