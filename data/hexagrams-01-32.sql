-- Hexagram texts of ENGLISH_DEFAULT, book numbers 1 to 32.
-- NUMBER_BOOLEAN = 8 x above + below; trigram numbers: 0 earth, 1 thunder, 2 water, 3 lake,
-- 4 mountain, 5 fire, 6 wind, 7 heaven. first..sixth are the texts of lines 1 (bottom) to 6 as
-- changing lines; the program adds the "Nine in the ..." / "Six in the ..." heading itself.
-- all_nines is the text for all six lines changing. Written for yarrowen.

-- 1. The Creative: heaven above heaven
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  63, 1, 'The Creative', 'Creative', 'Qián', 7, 7,
  'Six unbroken lines: heaven doubled, pure and tireless strength. Like the sky that turns without pause, this is the power that starts things and keeps them moving. Take it as a model and keep building your own strength, day after day, without letting up.',
  'A time of great originating force. Whatever is begun in harmony with what is right succeeds, and the success lasts as long as you hold firmly to that rightness.',
  'The dragon still lies hidden under the water. Your strength is real but unseen, and its hour has not come; do not act yet, keep it gathered.',
  'The dragon shows itself in the open field. Your abilities begin to be noticed; seek out people of influence and good judgement, and let them see what you can do.',
  'You work hard from morning on and are still alert at dusk. A rising reputation tempts ambition and the position is risky, but staying vigilant keeps you from mistakes.',
  'The dragon hovers over the deep, free to soar or to sink back. A choice of path lies open before you; decide by what is true to you, and there is no error in either.',
  'The dragon flies in the heavens. Your power is at its height and reaches far; join with others of real stature, and the whole benefits from it.',
  'The dragon that climbs too high. Strength that overreaches loses touch with those below it and ends in regret; know when to stop.',
  'All six lines move: a flight of dragons, none pushing its head to the front. Strength that no longer insists on leading has become gentle and turns into The Receptive (2); great power used without arrogance brings good fortune.');

-- 2. The Receptive: earth above earth
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  0, 2, 'The Receptive', 'Receptive', 'Kūn', 0, 0,
  'Six broken lines: earth laid upon earth, wide, open and yielding. Where heaven starts things, earth takes them in, carries them and brings them to their full form. Its strength is devotion: a broad nature that can bear and support everything placed upon it.',
  'Great success comes through following rather than leading, with the steady endurance of a mare that keeps to the ground. Taking the lead now leads you astray; accept guidance and you find your way. Work alongside others while the task takes shape, then be ready to carry your part alone; quiet steadiness brings good fortune.',
  'Frost crunches underfoot; hard ice will follow. The first faint signs of decline are already here, and left alone they grow; notice them now and act while it is still easy.',
  'Upright, four-square and broad, like the earth itself. Be simply true to your nature; without scheming or striving, everything you touch prospers.',
  'Keep your gifts out of sight and stay constant. If you serve someone greater, do not look for credit; carry the work through to its completion and let the result speak.',
  'The sack is tied shut. In a dangerous time, reserve and silence protect you: you earn no praise, but you give no offence either.',
  'The yellow garment worn underneath: a modest colour, out of view. Real worth that makes no display of itself and stays discreet brings the highest good fortune.',
  'Two dragons battle in the wild lands, and the blood they spill is black and yellow, the colours of heaven and of earth. When the yielding tries to rule in place of the strong, both sides are wounded.',
  'All six lines move, and the yielding turns into The Creative (1). What helps now is firmness that lasts: devotion held steady over a long time grows into a strength of its own.');

-- 3. Difficulty at the Beginning: water above thunder
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  17, 3, 'Difficulty at the Beginning', 'Difficulty', 'Zhūn', 2, 1,
  'Thunder stirs beneath the water: clouds and thunder fill the air before the rain breaks. It is the image of a seedling pushing up through hard ground, full of life yet still tangled in confusion. This is the moment to sort, separate and give structure, as one untangles threads before weaving.',
  'Beginnings are hard, yet this one holds great promise if you stay true to your aim. Do not push ahead on your own yet; find helpers and put structure in place, and the confusion will give way.',
  'Hesitation and obstacles at the very start. Stay steady in your purpose without forcing anything, and look for people who can help you; humility wins their support.',
  'Troubles pile up, and the horse stands still beside the wagon. Someone offers help that looks like an intrusion; it is honest, but accepting it now would bind you too soon. Wait patiently, even for a long time, until the right union becomes possible.',
  'Chasing the deer into unknown woods with no one who knows the paths, you only get lost. Recognise the signs and let the quarry go; pressing on ends in embarrassment.',
  'The horse and wagon are parted again, but now the chance to join with the right partner is here. Take the first step toward it without pride; going forward brings good fortune.',
  'You have blessings to give, yet your good will is misread and cannot get through. Move carefully and in small steps; that goes well, while forcing a large undertaking goes badly.',
  'The horse and wagon stand apart, and tears of blood fall. Sinking into despair over the difficulties would be the real failure; such a standstill must not be allowed to last.',
  'All six lines move, and Difficulty at the Beginning turns into The Cauldron (50). What sprouted in confusion becomes something settled and nourishing: the chaos has been shaped into a vessel that can serve others.');

-- 4. Youthful Folly: mountain above water
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  34, 4, 'Youthful Folly', 'Folly', 'Méng', 4, 2,
  'A spring wells up at the foot of a mountain and does not yet know where its water will go. This is inexperience: not a flaw but a beginning that needs teaching. Character grows the same way as the spring fills each hollow before it flows on: patiently, by doing each thing completely before moving to the next.',
  'Inexperience can still succeed. The teacher does not chase the pupil; the pupil must come and ask. A sincere question gets a clear answer, but asking the same thing again and again shows disrespect and receives none. Keep at your learning steadily.',
  'The inexperienced need discipline at first so that they learn to take things seriously. Yet it must loosen as soon as it has done its work; drill that never ends only humiliates.',
  'Bear with the foolish kindly and patiently; such gentleness brings good fortune. Knowing how to deal with people''s weaknesses is what makes someone fit to carry responsibility for a household.',
  'Do not take up with someone who throws away her own dignity the moment she meets a powerful or wealthy man. Attaching yourself to whatever dazzles you brings nothing good.',
  'Folly that shuts itself up in fantasies and refuses every help is left alone with itself. The humiliation that follows may be the only teacher it will accept.',
  'The simple trust of a child who asks openly and without conceit. Such openness to learning brings good fortune.',
  'When folly has to be corrected, punish only to stop further harm, never in anger or for its own sake. Discipline that prevents wrong is right; discipline that becomes a wrong itself is not.',
  'All six lines move, and Youthful Folly turns into Revolution (49). Ignorance that has been taught changes completely: the learner, once instructed, becomes able to remake things.');

-- 5. Waiting: water above heaven
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  23, 5, 'Waiting', 'Waiting', 'Xū', 2, 7,
  'Clouds gather in the sky: the rain will come, but not yet. Strength stands before a danger and wisely does not rush into it. Meanwhile one keeps body and spirit fed and cheerful, trusting that the time will ripen.',
  'Wait with inner certainty, not with worry. Seeing things as they really are lights the way, and holding steady brings good fortune. When the moment comes, even a great crossing can be made.',
  'Waiting out on the open meadow, with the danger still far away. Carry on with ordinary life and do not spend your strength too early; staying steady keeps you free of mistakes.',
  'Waiting on the sand near the water, with the danger closer now. People begin to talk and find fault; do not answer them. Stay calm, and it all ends well.',
  'Waiting in the mud at the river''s edge. By moving too soon you have put yourself where trouble can reach you; only caution and seriousness keep it from getting worse.',
  'Waiting in blood: the danger has you in its grip. Do not struggle; keep still and let things take their course, and you will find your way out of the pit.',
  'Waiting over food and wine: a pause in the middle of danger. Enjoy the rest and gather strength, but keep your goal in sight; steadiness brings good fortune.',
  'Down in the pit, all the waiting seems to have been wasted. Visitors you never invited turn up, three of them; treat them with courtesy, and this unlooked-for help ends well.',
  'All six lines move, and Waiting turns into Progress (35). The long patience is over: the sun rises above the earth, and you move forward quickly and in plain view.');

-- 6. Conflict: heaven above water
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  58, 6, 'Conflict', 'Conflict', 'Sòng', 7, 2,
  'Heaven pulls upward and water sinks downward; the two move apart. Strength outside and cunning danger inside give rise to dispute. Most quarrels can be avoided by clear agreements made at the very start of any undertaking.',
  'You are in the right, yet you meet resistance. Stay clear-headed and be ready to meet the other side halfway, and good fortune follows; pushing the quarrel to the bitter end brings misfortune. Seek a fair-minded arbiter, and do not start any great venture now.',
  'Do not let the quarrel drag on. A few sharp words may be exchanged, but if you drop the matter early it all ends well.',
  'You cannot win against a stronger opponent. Withdraw without shame and go home; by giving way you spare not only yourself but everyone who depends on you.',
  'Live on what you have honestly earned and keep to the old virtues. The position is precarious, but it ends well; if you serve someone above you, do the work and do not look for credit.',
  'You have the strength to fight, yet you cannot carry it through with a clear conscience. Turn back, accept how things stand and change your mind; that brings peace and good fortune.',
  'Bring the dispute before a just and powerful arbiter. If you are in the right, the ruling brings great good fortune.',
  'A victory belt won by fighting is lost and won again three times before noon. What stubborn quarrelling gains, it cannot keep, and honour won that way brings no peace.',
  'All six lines move, and Conflict turns into Darkening of the Light (36). Quarrelling to the end leads into a time of hardship; let the dispute go and protect your inner light instead.');

-- 7. The Army: earth above water
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  2, 7, 'The Army', 'Army', 'Shī', 0, 2,
  'Water hidden within the earth, like an army that lives among the people. Its strength lies in the many, and it must be held together by discipline and a worthy leader. A ruler who is generous to the people finds that they are strength enough when it is needed.',
  'An army needs steady purpose and an experienced, respected leader. If it fights only for a just cause and under such a leader, it succeeds and no fault is found.',
  'An army must march out in good order. Setting out without clear discipline and a just cause leads to disaster, however well the campaign begins.',
  'The leader stands in the midst of the troops and shares their lot. Trusted and honoured again and again by the ruler, he brings good fortune and is free of fault.',
  'The army may come back with its wagons full of the dead. When command is split, or taken over by the unfit, defeat follows.',
  'The army falls back. Retreating before an enemy that cannot be beaten is no disgrace; it saves lives and is the right choice.',
  'There is game in the field, and it is right to catch it: a real wrong has to be put down. Let the experienced elder lead; if the untried take command, the wagons carry corpses, and persisting then brings misfortune.',
  'The war is over, and the ruler hands out rewards and lands. Honour everyone who served, but do not give real power to petty people, however well they fought.',
  'All six lines move, and The Army turns into Fellowship with Others (13). Discipline and force give way to open union: those who marched under orders now meet as companions in a common cause.');

-- 8. Holding Together: water above earth
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  16, 8, 'Holding Together', 'Union', 'Bǐ', 2, 0,
  'Water lies on the earth and runs together wherever it can. All the yielding lines join the one strong line in the ruling place, as people gather around a trusted centre. A leader builds such a web of trust that every part knows where its centre is.',
  'Union brings good fortune. Whoever would be the centre of a group should ask once more whether they have the greatness, constancy and firmness it needs. Those who are unsure will come in time, but whoever comes too late finds the door closed.',
  'Join others with sincerity; that comes first. Truth that fills you like a clay jar filled to the brim draws good fortune from unexpected places.',
  'Hold to the leader from within, out of your own conviction and not for gain. Keeping your integrity brings good fortune.',
  'You are bound to the wrong people. Stay friendly but keep your distance, so that you are free when the right fellowship appears.',
  'Show your loyalty openly to the one at the centre who deserves it. Steadiness in that loyalty brings good fortune.',
  'A true ruler draws people by openness, not by force, like a royal hunt that closes in from three sides only and leaves the fourth open for any animal that wants to escape. Those who come, come willingly, and there is good fortune.',
  'There is no one at the head and no firm start to hold things together. If you hesitate until the chance to join has passed, you end up alone, and in misfortune.',
  'All six lines move, and Holding Together turns into Great Possession (14). The many who gathered around one centre become the rich possession of a ruler who is clear-sighted and modest.');
