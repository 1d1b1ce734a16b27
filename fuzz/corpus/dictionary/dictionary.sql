SQL
CREATE TABLE tab (id INTEGER PRIMARY KEY, header TEXT, transcription TEXT, translation TEXT, status TEXT, part_of_speech TEXT, active_word INTEGER, associaciya_true INTEGER, mozaika_true INTEGER, example TEXT, picture BLOB, vibor_perevoda_true INTEGER, comment TEXT, vspomnit_true INTEGER, perevod_true INTEGER, para_true INTEGER);
INSERT INTO tab VALUES (1, 'apple', '[ˈæpl]', 'яблоко', 'learning', 'n', 1, 0, 0, 'an apple a day', x'89504e47', 0, NULL, 2, 0, 0);
INSERT INTO tab VALUES (2, 'Banana', NULL, 'банан', '', '', 0, 0, 0, NULL, NULL, 0, NULL, 0, 0, 0);
INSERT INTO tab VALUES (3, 'ёж', NULL, 'hedgehog', 'ignore', '', 0, 1, 0, NULL, NULL, 0, 'c', 0, 3, 0);
INSERT INTO tab VALUES (4, '', NULL, 'empty word', 'learned', '', 0, 0, 0, NULL, NULL, 5, NULL, 0, 0, 9);
