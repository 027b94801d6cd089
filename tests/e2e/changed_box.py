#!/usr/bin/env python3
"""Prints the box of the pixels that differ between two screenshots of the same size, as
"LEFT TOP RIGHT BOTTOM" (inclusive), or "none" when they are the same.

usage: changed_box.py BEFORE.rgb AFTER.rgb WIDTH   (raw 8-bit RGB, as `import ... rgb:-` writes)
"""
import sys


def main():
    before = open(sys.argv[1], "rb").read()
    after = open(sys.argv[2], "rb").read()
    width = int(sys.argv[3])
    if len(before) != len(after) or len(before) % (3 * width):
        sys.exit("changed_box.py: the screenshots differ in size")
    stride = 3 * width
    left, top, right, bottom = width, None, -1, None
    for y in range(len(before) // stride):
        row_before = before[y * stride:(y + 1) * stride]
        row_after = after[y * stride:(y + 1) * stride]
        if row_before == row_after:
            continue
        if top is None:
            top = y
        bottom = y
        first = next(i for i in range(stride) if row_before[i] != row_after[i]) // 3
        last = next(i for i in range(stride - 1, -1, -1) if row_before[i] != row_after[i]) // 3
        left, right = min(left, first), max(right, last)
    print("none" if top is None else f"{left} {top} {right} {bottom}")


main()
