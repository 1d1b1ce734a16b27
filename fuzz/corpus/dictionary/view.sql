SQL
CREATE TABLE cards (id INTEGER PRIMARY KEY, header TEXT, transcription TEXT, translation TEXT, status TEXT, part_of_speech TEXT, active_word INTEGER, associaciya_true INTEGER, mozaika_true INTEGER, example TEXT, picture BLOB, vibor_perevoda_true INTEGER, comment TEXT, vspomnit_true INTEGER, perevod_true INTEGER, para_true INTEGER);
INSERT INTO cards (header, translation, status) VALUES ('a', 'b', 'learning');
CREATE VIEW tab AS SELECT *, rowid FROM cards;
