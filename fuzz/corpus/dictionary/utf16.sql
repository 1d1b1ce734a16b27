SQL
PRAGMA encoding='UTF-16le';
CREATE TABLE tab (id INTEGER PRIMARY KEY, header TEXT, transcription TEXT, translation TEXT, status TEXT, part_of_speech TEXT, active_word INTEGER, associaciya_true INTEGER, mozaika_true INTEGER, example TEXT, picture BLOB, vibor_perevoda_true INTEGER, comment TEXT, vspomnit_true INTEGER, perevod_true INTEGER, para_true INTEGER);
INSERT INTO tab (header, translation, status, active_word) VALUES ('ёж', 'hedgehog', 'learning', 0), ('apple', 'яблоко', 'learning', 0), ('Banana', 'банан', 'ignore', 0);
