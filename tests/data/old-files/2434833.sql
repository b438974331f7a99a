-- 2434833 made its files with the schema of 05be2ea (05be2ea.sql) and this
-- index, which it added among the indexes of the script, as
-- `git diff 05be2ea 2434833 -- resources/schema.sql` shows. The files of
-- both builds carry no version mark.
CREATE INDEX IdxProjectActive ON Project (Active) WHERE Active = 1;
