-- The default database: tables, catalogue, preferences, trigrams and example chains.
-- The hexagram texts follow in data/hexagrams-*.sql.

-- Preferences: the program reads and writes only the first row. The six fonts name DejaVu
-- families (installed with fonts-dejavu-core and fonts-dejavu-extra): sans for names, captions
-- and fields, serif for the longer texts. Empty window bounds let each window start at its
-- own default place.
CREATE TABLE ProgramPrefs (
  font_above varchar,
  font_title varchar,
  font_judgement varchar,
  font_short varchar,
  font_sixnines varchar,
  font_text varchar,
  DisplayW varchar,
  ListsW varchar,
  ChainW varchar,
  TextW varchar
);

INSERT INTO ProgramPrefs
  (font_above, font_title, font_judgement, font_short, font_sixnines, font_text,
   DisplayW, ListsW, ChainW, TextW)
VALUES
  ('DejaVu Sans', 'DejaVu Serif', 'DejaVu Serif', 'DejaVu Sans', 'DejaVu Serif', 'DejaVu Sans',
   '', '', '', '');

-- The catalogue: one row for every table of the file, its own row included.
-- table_type 0 = hexagram-text table, 1 = trigram table, 5 = fixed table of the program.
-- Booleans are stored as 1 (True) and 0 (False).
CREATE TABLE TheTables (
  table_name varchar,
  table_type integer,
  isEdible boolean,
  isFull boolean,
  creator varchar
);

INSERT INTO TheTables (table_name, table_type, isEdible, isFull, creator) VALUES
  ('ProgramPrefs',       5, 0, 1, 'yarrowen'),
  ('TheTables',          5, 0, 1, 'yarrowen'),
  ('Commentary',         5, 0, 1, 'yarrowen'),
  ('Dictionary_Default', 5, 0, 1, 'yarrowen'),
  ('ENGLISH_DEFAULT',    0, 0, 1, 'yarrowen'),
  ('HexChains',          5, 0, 1, 'yarrowen'),
  ('TRIGRAMS_DEFAULT',   1, 0, 1, 'yarrowen');

-- Required by the file format; the program neither reads nor writes them.
CREATE TABLE Commentary (
  NUMBER_BOOLEAN integer,
  comment varchar
);

CREATE TABLE Dictionary_Default (
  word varchar,
  meaning varchar
);

INSERT INTO Dictionary_Default (word, meaning) VALUES
  ('yang', 'The whole, unbroken line: firm, active, light.'),
  ('yin', 'The broken line: yielding, receptive, dark.'),
  ('trigram', 'A figure of three lines; eight exist, and two of them stacked make a hexagram.'),
  ('nine', 'A changing yang line, which turns into a yin line.'),
  ('six', 'A changing yin line, which turns into a yang line.');

-- The default hexagram-text table; its rows come from data/hexagrams-*.sql.
-- Column list exactly as the new-table dialog creates a hexagram-text table.
CREATE TABLE ENGLISH_DEFAULT (NUMBER_BOOLEAN Integer, NUMBER_BOOK integer, NAME varchar, DESCRIPTION varchar, JUDGEMENT varchar, first varchar, second varchar, third varchar, fourth varchar, fifth varchar, sixth varchar, China_phonics varchar, above integer, below integer, all_nines varchar, ShortName varchar);

-- Saved chains: a plain rowid table. chain = "W,H;" header, then the chain string
-- "b1,m1;b2,m2;...;bn,0" with m(k) = b(k) XOR b(k+1).
CREATE TABLE HexChains (
  NAME varchar,
  comment varchar,
  chain varchar
);

INSERT INTO HexChains (NAME, comment, chain) VALUES
  ('Waxing of the light',
   'The yang lines grow from the bottom up, one a step, as the year moves from the winter solstice toward midsummer: Return, Approach, Peace, The Power of the Great, Breakthrough, The Creative.',
   '2400,500;1,2;3,4;7,8;15,16;31,32;63,0'),
  ('Waning of the light',
   'The yin lines grow from the bottom up, one a step, as the year moves from midsummer toward the winter solstice: Coming to Meet, Retreat, Standstill, Contemplation, Splitting Apart, The Receptive.',
   '2400,500;62,2;60,4;56,8;48,16;32,32;0,0'),
  ('Peace turns to standstill',
   'Every line changes: heaven and earth exchange places, and the time of harmony becomes a time of stagnation.',
   '680,500;7,63;56,0'),
  ('From the first difficulty to completion',
   'Difficulty at the Beginning settles into After Completion when the third line changes; all six lines then change into Before Completion, and the work begins again.',
   '1110,500;17,4;21,63;42,0');

-- The default trigram table: NUMBER_BOOLEAN = 4 x top line + 2 x middle line + bottom line
-- (1 = yang). Directions follow the later-heaven arrangement.
-- Column list exactly as the new-table dialog creates a trigram table.
CREATE TABLE TRIGRAMS_DEFAULT (NUMBER_BOOLEAN integer, NAME varchar, ATTRIBUTE varchar, ANIMAL varchar, BODY varchar, FAMILY varchar,  DIRECTION varchar, noun varchar, adjective varchar, verb varchar);

INSERT INTO TRIGRAMS_DEFAULT
  (NUMBER_BOOLEAN, NAME, ATTRIBUTE, ANIMAL, BODY, FAMILY, DIRECTION, noun, adjective, verb)
VALUES
  (0, 'Kūn / The Receptive', 'devoted, yielding',  'cow',      'belly',  'mother',           'southwest', 'earth',    'receptive', 'to receive'),
  (1, 'Zhèn / The Arousing', 'inciting movement',  'dragon',   'foot',   'eldest son',       'east',      'thunder',  'arousing',  'to arouse'),
  (2, 'Kǎn / The Abysmal',   'dangerous, flowing', 'pig',      'ear',    'middle son',       'north',     'water',    'abysmal',   'to flow'),
  (3, 'Duì / The Joyous',    'joyful, open',       'sheep',    'mouth',  'youngest daughter','west',      'lake',     'joyous',    'to rejoice'),
  (4, 'Gèn / Keeping Still', 'resting, halting',   'dog',      'hand',   'youngest son',     'northeast', 'mountain', 'still',     'to halt'),
  (5, 'Lí / The Clinging',   'light-giving',       'pheasant', 'eye',    'middle daughter',  'south',     'fire',     'clinging',  'to cling'),
  (6, 'Xùn / The Gentle',    'gentle, penetrating','rooster',  'thigh',  'eldest daughter',  'southeast', 'wind',     'gentle',    'to penetrate'),
  (7, 'Qián / The Creative', 'strong, tireless',   'horse',    'head',   'father',           'northwest', 'heaven',   'creative',  'to create');
