#!/usr/bin/env python3
"""Writes the lists of chord names that users type, one list per chord grammar.

The lists are data/nomes-acordes-pt.txt (Brazilian Portuguese grammar) and
data/nomes-acordes-en.txt (English grammar): UTF-8 text, one chord name per line, no blank
lines, no comments. Every name is read by the grammar of its list; the tests check that.
They feed the parser's benchmark and round-trip tests and, later, the chord bases.

Run from the repository's root: python3 tools/gerar_nomes_acordes.py
"""

from pathlib import Path

RAIZES = ["C", "C#", "Db", "D", "D#", "Eb", "E", "F", "F#", "Gb", "G", "G#", "Ab", "A", "A#",
          "Bb", "B"]
CLASSES = [0, 1, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8, 8, 9, 10, 10, 11]
SUSTENIDOS = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
BEMOIS = ["C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"]

# Suffixes as Brazilian chord sheets write them.
SUFIXOS_PT = [
    "", "m", "7", "m7", "7M", "m7M", "6", "m6", "9", "m9", "add9", "(9)", "m(9)", "2",
    "7(9)", "m7(9)", "7M(9)", "6(9)", "m6(9)", "6/9", "m6/9", "7/9", "m7/9", "7M/9",
    "4", "sus4", "sus", "7(4)", "4/7", "7/4", "7sus4", "4(9)", "7(4/9)", "m4", "m7(4)",
    "sus2", "sus9", "5", "º", "º7", "dim", "dim7", "°", "ø", "m7(b5)", "m7b5", "m7(b5/9)",
    "7(b5)", "7(#5)", "7(b9)", "7(#9)", "7(11)", "7(#11)", "7(13)", "7(b13)", "7(9/11)",
    "7(9/13)", "7(b9/13)", "7(9/#11)", "7(b9/b13)", "7(#9/b13)", "7(9/b13)", "7(#5/#9)",
    "7(#5/b9)", "7(b5/b9)", "7(b5/9)", "7(11+)", "7/13", "7/11", "m7(11)", "m7(9/11)",
    "m7/11", "m(7M)", "m7M(9)", "m(7M/9)", "7M(#11)", "7M(9/#11)", "7M(6)", "7M(6/9)",
    "7M(#5)", "7M(13)", "7M(9/13)", "7+", "+5", "5+", "aug", "(#5)", "(b5)", "(b13)",
    "m(b13)", "m(11)", "m(9/11)", "11", "m11", "13", "7(9/11/13)", "m7(9/13)", "º(b13)",
    "º7M", "7M(b5)", "(9/11)", "6(11)", "m6(11)", "7(4/13)", "m(add9)", "(add9)",
    "7(b9/#9)", "7(#9/#11)", "7(b9/#11)", "7(#11/13)", "7M(11)",
    "7#9", "7+9", "7#5", "7+5", "7#11", "7(9+)", "+", "m+", "maj9", "\u00ba7", "\u00b07",
    "omit5", "7(omit5)",
]

# Suffixes as English and jazz charts write them, where the grammar reads them as meant:
# "7+" alone is the augmented seventh, "7#" the major seventh, both before 5, 9 or 11 the
# raised tension over the minor seventh; "9#", "9b" are altered ninths; "11" and "13" alone
# are dominant chords.
SUFIXOS_EN = [
    "", "m", "7", "m7", "maj7", "M7", "7M", "m(maj7)", "mM7", "mmaj7", "6", "m6", "9", "m9",
    "add9", "madd9", "m(add9)", "2", "7(9)", "m7(9)", "maj7(add9)", "9sus4", "7sus4",
    "7sus2", "sus2", "sus4", "sus", "4", "add4", "madd4", "5", "dim", "dim7", "o", "o7",
    "\u00ba", "\u00b0", "\u00f8", "m7b5", "m7(b5)", "half-dim", "aug", "aug7", "+5",
    "7(#5)", "7b5", "7(b9)", "7b9", "7(#9)", "7(#11)", "7b13", "7(b13)", "9(b5)", "9(#11)",
    "7b9b13", "7(#5,#9)", "7(#5,b9)", "7b5b9", "7b5#9", "11", "m11", "7(11)", "m7(11)",
    "13", "m13", "maj7#11", "maj7#5", "maj7(#11)", "maj7(#5)", "7(13)",
    "9(13)", "m7(9)(11)", "maj7(13)", "7sus4(9)", "7sus4b9", "sus4(9)", "7(b9,#9)",
    "7(b9,b13)", "7(#9,#11)", "7(b5,b9)", "(b5)", "(#5)", "(b13)", "m(b13)", "m7(b13)",
    "m(9)", "(9)", "m7(9,11)", "dom7", "7(omit5)", "m7(omit5)", "9(omit5)", "sus4(b9)",
    "dim(maj7)", "o(maj7)", "m(b5)", "m9(b5)", "m7(b9)", "7(9,13)", "7(#9,b13)",
    "7#9", "7+9", "7#5", "7#11", "+", "maj9", "6/9", "69", "m6/9", "maj7(9)", "7M(9)",
    "\u00ba7", "\u00b07", "omit5", "7+", "-7", "mi7", "^7", "add11", "madd11", "maj13",
    "13sus4", "m7b5(9)",
]

# Basses over some chords: intervals above the root, in semitones.
BAIXOS_PT = {"": [4, 7, 10, 11, 2, 9, 5], "m": [3, 7, 10, 2, 5, 8], "7": [4, 7, 10],
             "m7": [3, 7, 10], "7M": [4, 7, 11], "6": [4, 9], "m6": [3, 9],
             "sus4": [5, 7], "7(9)": [4, 10], "m7(9)": [3, 10], "9": [4, 7], "º": [3, 6]}
BAIXOS_EN = {"": [4, 7, 10, 11, 2, 9, 5], "m": [3, 7, 10, 2, 5, 8], "7": [4, 7, 10],
             "m7": [3, 7, 10], "maj7": [4, 7, 11], "6": [4, 9], "m6": [3, 9],
             "sus4": [5, 7], "9": [4, 10], "m9": [3, 10], "add9": [4, 7], "dim": [3, 6]}


def nome_baixo(raiz, intervalo):
    """The bass spelled the way the root leans: flats for flat roots and F, else sharps."""
    classe = (CLASSES[RAIZES.index(raiz)] + intervalo) % 12
    bemol = raiz.endswith("b") or raiz == "F"
    return (BEMOIS if bemol else SUSTENIDOS)[classe]


def nomes(sufixos, baixos):
    lista = []
    for raiz in RAIZES:
        for sufixo in sufixos:
            lista.append(raiz + sufixo)
        for sufixo, intervalos in baixos.items():
            for intervalo in intervalos:
                lista.append(raiz + sufixo + "/" + nome_baixo(raiz, intervalo))
    return list(dict.fromkeys(lista))  # no repeats, order kept


def escrever(caminho, lista):
    Path(caminho).write_text("".join(n + "\n" for n in lista), encoding="utf-8")
    print(caminho, len(lista))


if __name__ == "__main__":
    escrever("data/nomes-acordes-pt.txt", nomes(SUFIXOS_PT, BAIXOS_PT))
    escrever("data/nomes-acordes-en.txt", nomes(SUFIXOS_EN, BAIXOS_EN))
