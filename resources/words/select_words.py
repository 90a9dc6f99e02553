#!/usr/bin/env python3
"""Chooses the generator's word list from SCOWL's most common English words.

Run by hand when the list is to be made again; the build only reads words.txt. Input:
Debian's `scowl` package (size 10, the most common words, and its contractions). Output:
971 words, one a line, in ascending byte order, ready to be front-coded by the build.

The choice is deterministic: words spread evenly over the source, then a seeded search that
swaps words until the front-coded list has the intended size (4,508 bytes with the end entry)
and every letter but x and z starts at least one word.
"""
import random
import re
import sys

SOURCE = "/usr/share/dict/scowl/english-words.10"
CONTRACTIONS = "/usr/share/dict/scowl/english-contractions.10"
WORD_COUNT = 971
FIRST, SECOND, LAST = "able", "about", "your"
APOSTROPHE_WORDS = ["can't", "don't"]
TARGET_BYTES = 4508
MAX_NEW = 9
LETTERS = set("abcdefghijklmnopqrstuvwy")


def read(path):
    with open(path, encoding="latin-1") as f:
        return [line.strip() for line in f]


def shared(a, b):
    n = 0
    while n < len(a) and n < len(b) and a[n] == b[n]:
        n += 1
    return n


def new_counts(words):
    prev = ""
    for w in words:
        yield len(w) - shared(prev, w)
        prev = w


def size(words):
    return sum(2 + n for n in new_counts(words)) + 2


def acceptable(words):
    return max(new_counts(words)) <= MAX_NEW and {w[0] for w in words} == LETTERS


def main():
    fixed = {FIRST, SECOND, LAST, *APOSTROPHE_WORDS}
    for w in APOSTROPHE_WORDS:
        if w not in read(CONTRACTIONS):
            sys.exit(f"{w} is not among the common contractions")
    pool = sorted({w for w in read(SOURCE)
                   if re.fullmatch(r"[a-z]{3,10}", w) and SECOND < w < LAST
                   and w[0] in LETTERS} - fixed)
    free = WORD_COUNT - len(fixed)
    step = len(pool) / free
    chosen = {pool[int(i * step + step / 2)] for i in range(free)}

    def listed(choice):
        return sorted(choice | fixed)

    rng = random.Random(12)
    current = listed(chosen)
    while size(current) != TARGET_BYTES or not acceptable(current):
        out = rng.choice(sorted(chosen))
        into = rng.choice(pool)
        if into in chosen:
            continue
        trial = listed(chosen - {out} | {into})
        before = abs(size(current) - TARGET_BYTES) + (0 if acceptable(current) else 1000)
        after = abs(size(trial) - TARGET_BYTES) + (0 if acceptable(trial) else 1000)
        if after <= before:
            chosen = chosen - {out} | {into}
            current = trial
    sys.stdout.write("".join(w + "\n" for w in current))


if __name__ == "__main__":
    main()
