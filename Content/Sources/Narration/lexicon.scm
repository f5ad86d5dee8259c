; Words the voice would otherwise say wrongly (Festival lexicon entries, syllables with stress).
(lex.add.entry '("marrowmere" n (((m ae) 1) ((r ow) 0) ((m ih r) 1))))
