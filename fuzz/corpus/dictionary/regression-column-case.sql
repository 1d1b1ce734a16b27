SQL
CREATE TABLE tab (id, header, transcription, translation, status, part_of_speech, active_Word, associaciya_true, mozaika_true, example, picture, vibor_perevoda_true, comment, vspomnit_true, perevod_true, para_true, extra);
INSERT INTO tab VALUES (NULL, x'ff00fe', 1.5, 9223372036854775807, 'learning', NULL, 2.5e30, -9223372036854775808, '12abc', randomblob(20), 'text', NULL, x'00', NULL, NULL, NULL, 'more');
INSERT INTO tab VALUES (7, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO tab VALUES (7, 'same id', '', '', 'learning', '', 1, 0, 0, '', '', 0, '', 0, 0, 536870912);
