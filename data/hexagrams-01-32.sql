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
  'When all the broken lines change, the yielding becomes The Creative (1). What helps now is firmness that lasts: devotion held steady over a long time grows into a strength of its own.');

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
  'If every line changes, the tangled beginning becomes The Cauldron (50): what sprouted in confusion settles into something ordered and nourishing, a vessel that can serve others.');

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
  'Changing in all six lines, Youthful Folly becomes Revolution (49). Ignorance that has been taught is transformed completely; the learner, once instructed, becomes able to remake things.');

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
  'The long patience ends when every line moves and Waiting becomes Progress (35): the sun rises above the earth, and you go forward quickly and in plain view.');

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
  'Should all the lines change, the quarrel leads into Darkening of the Light (36). Fighting to the end only brings a time of hardship; let the dispute go and protect your inner light instead.');

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
  'Every line turning, The Army becomes Fellowship with Others (13). Discipline and force give way to open union, and those who marched under orders now meet as companions in a common cause.');

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
  'Once all six lines have changed, Holding Together has become Great Possession (14): the many who gathered round one centre are now the rich possession of a ruler who is clear-sighted and modest.');

-- 9. The Small Taming Power: wind above heaven
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  55, 9, 'The Small Taming Power', 'Small Taming', 'Xiǎo Chù', 6, 7,
  'Wind drifts across the sky, piling up clouds but not yet bringing rain. A single yielding line holds back five strong ones: the small and gentle can restrain the great only for a while, and only by soft means. Use the pause to polish how you present yourself and how you deal with others.',
  'Success in small things. Heavy clouds build up in the west, yet no rain falls; the time for a great effect has not come. Persuade gently and prepare; force achieves nothing now.',
  'You turn back to your own way of your own accord. Nothing can be held against that, and it brings good fortune.',
  'Others urge you to turn back, and you let yourself be drawn along with them. Returning in good company, you avoid a useless struggle; good fortune.',
  'The wheel''s spokes break loose, and a couple turn on each other with angry looks. Trying to force your way forward against a weak but stubborn hold ends in quarrels and loss of dignity.',
  'Sincerity makes the fear and the bloodshed disappear. Whoever must hold back the strong succeeds by honesty alone, and no fault remains.',
  'Bound to your neighbour by sincere loyalty. Whoever shares what they have in this way grows rich through the other, and the other through them.',
  'The rain has come and things have come to rest; the gentle has won by patient accumulation. But the moon is almost full: do not push further, for holding on now is dangerous, and a strong person who presses ahead meets misfortune.',
  'With all lines moving, the gentle restraint is released into Enthusiasm (16); the thunder that was held back breaks out of the earth and sets everything in motion.');

-- 10. Treading: heaven above lake
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  59, 10, 'Treading', 'Treading', 'Lǚ', 7, 3,
  'Heaven above, the lake below: the high and the low each in its place. The weak walks behind the strong, cheerful and careful. Order that gives each their fitting place, fairly and openly, lets people live without unrest.',
  'You step on the tiger''s tail, and it does not bite. Good manners and a light, cheerful touch carry you safely even through dealings with the powerful and the dangerous; success.',
  'Walk your own simple way without demands. As long as you want nothing beyond your plain path, you move forward free of fault.',
  'The road is even and easy. Someone who keeps to himself and asks nothing of the world goes along it steadily, and that is good fortune.',
  'With one eye you believe you see everything; with a limp you believe you can stride. Such overconfidence steps on the tiger''s tail and gets bitten. Recklessness like this suits only a soldier throwing himself into battle for his lord.',
  'You step on the tiger''s tail. Great caution and careful respect bring good fortune in the end.',
  'Walk on with resolve, knowing clearly the danger involved. Firmness joined with awareness of the risk carries you through.',
  'Look back over the road you have walked and weigh what came of it. If everything has been carried through well, the highest good fortune follows.',
  'Treading, changed in every line, becomes Modesty (15): careful conduct among the powerful deepens into true humility, which evens out the high and the low.');

-- 11. Peace: earth above heaven
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  7, 11, 'Peace', 'Peace', 'Tài', 0, 7,
  'Earth above and heaven below: heaven''s force rises, earth''s sinks, and the two meet and mingle. Everything flourishes, as in early spring. A good ruler gives order to this natural flow so that people can live by the rhythm of the seasons.',
  'The small is leaving and the great is arriving. Good fortune and success: a time when good people rise and the petty lose their hold.',
  'Pull up one stalk of grass and its roots bring the whole clump along. In a good time, able people draw others of their kind with them; going out to act brings good fortune.',
  'A great heart makes room even for the crude and unpolished, yet is willing to wade through deep water when action is needed. It keeps the distant in mind and does not build a private clique. That is how the balanced middle way is held in good times.',
  'Every level stretch ends in a slope, and whatever leaves comes back. Misfortune will return sooner or later; stay faithful and do not complain, and while your inner life is sound you can still enjoy what you have.',
  'Those above come fluttering down to meet those below, without pride in their wealth. They meet their neighbours openly and without suspicion, out of simple sincerity.',
  'The sovereign gives his daughter in marriage to a man of lower rank. A union entered in true humility brings blessing and the highest good fortune.',
  'The wall crumbles back into the moat. Peace is coming to an end; do not try to hold it by force, but keep order among your own people. Clinging on now brings humiliation.',
  'Heaven and earth trade places when all six lines change, and Peace becomes Standstill (12). Harmony gives way to stagnation, as every flowering is followed by decline.');

-- 12. Standstill: heaven above earth
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  56, 12, 'Standstill', 'Standstill', 'Pǐ', 7, 0,
  'Heaven draws away upward and earth sinks away downward, and the two lose touch. Nothing flows between above and below; it is a time of stagnation, like autumn turning toward winter. A person of worth retreats into private life, refusing posts and rewards that would tie them to a corrupt order.',
  'The great is leaving and the small is arriving. Petty people hold the power and the honest can do nothing against them; do not give up your principles, but do not expect to succeed now either.',
  'Pull up one stalk of grass and the clump comes with it. When bad times come, good people withdraw together; staying firm in that brings good fortune, and success later on.',
  'Petty people would gladly tolerate and flatter the able. The great person does not go along; bearing the standstill quietly keeps the way clear for the success that comes later.',
  'Those who rose by wrong means now carry their shame within. Admitting it to oneself is the first step toward change.',
  'Act by a higher calling, not in your own name. Whoever does that stays free of fault, and those of like mind share in the blessing.',
  'The standstill is giving way, and the great person brings good fortune. Even so, stay wary and keep asking whether it could still go wrong; such care anchors the new order as firmly as something lashed to a thick clump of mulberry roots.',
  'The standstill ends. First it had to be overturned; after it comes good fortune.',
  'When every line moves, heaven and earth meet again and Standstill becomes Peace (11). What was blocked flows freely, and the long stagnation gives way to growth.');

-- 13. Fellowship with Others: heaven above fire
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  61, 13, 'Fellowship with Others', 'Fellowship', 'Tóng Rén', 7, 5,
  'Fire blazes up toward heaven: the flame and the sky go the same way. People who share a clear aim unite, with one yielding line at the centre holding the strong together. Good fellowship still needs order: people are grouped by their kind and their tasks, so that union does not blur into confusion.',
  'Fellowship out in the open, where all can see it, succeeds. United by a goal that serves everyone, you can even make a great crossing. It must rest on steady principles, not on private interests.',
  'Meeting others at the gate, outside your own house. Fellowship that begins in the open, before special ties or secret aims have formed, is free of fault.',
  'Fellowship limited to one''s own clan. A union built on family or faction shuts others out and brings humiliation.',
  'Weapons hidden in the bushes, and a watch kept from a high hill. Mistrust has crept in; while it lasts, for years perhaps, nothing comes of the union.',
  'He climbs onto the wall but does not attack. Seeing that the fight cannot be justified, he stops in time, and that brings good fortune.',
  'Companions torn apart cry out in grief at first and then laugh together. Hearts that are truly one find each other after hard struggle, whatever stood between them.',
  'Fellowship out in the meadow, far from the town. The union does not yet embrace everyone, but there is nothing to regret.',
  'The change of all the lines turns Fellowship with Others into The Army (7): companions who joined freely must now be led and held together by a firm hand.');

-- 14. Great Possession: fire above heaven
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  47, 14, 'Great Possession', 'Possession', 'Dà Yǒu', 5, 7,
  'Fire high up in the sky, shining over everything. A single yielding line holds the ruling place and all the strong lines gather to it: great wealth held with modesty. Like the sun that shows everything, a leader with great means brings the bad into the open to stop it and gives the good room to grow.',
  'Supreme success. Wealth and influence come to one who is strong and clear within, yet modest in the place of honour.',
  'No contact yet with anything that could do harm. Great wealth has not spoiled you; stay aware of the difficulties it brings and you will stay free of fault.',
  'A big wagon ready for a heavy load. With capable helpers, and means that can be moved to where they are needed, you can take something on; no fault.',
  'A prince offers his riches in service of the Son of Heaven. The great-hearted put their possessions at the disposal of the whole; the petty cannot do this and keep them for themselves.',
  'He keeps a clear difference between himself and his rich neighbour. Avoiding envy and rivalry, he stays free of fault.',
  'His sincerity is open to everyone, and yet he keeps his dignity. Trust combined with bearing brings good fortune.',
  'Heaven itself blesses him. Whoever holds great wealth with humility and honours the wise receives good fortune in everything.',
  'All lines changing, Great Possession becomes Holding Together (8). What was gathered as property becomes community: the true riches are the people who unite around a trustworthy centre.');

-- 15. Modesty: earth above mountain
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  4, 15, 'Modesty', 'Modesty', 'Qiān', 0, 4,
  'A mountain hidden within the earth: the highest has placed itself beneath the plain. Modesty works like the natural levelling of the land, where heights wear down and hollows fill, until everything finds a fair balance.',
  'Modesty brings success. A person who holds back without false humility is able to carry things through to their end.',
  'Modesty so natural that it is not even aware of itself. Free of all pretension, you can take on even a great and difficult undertaking; good fortune.',
  'Modesty that shows outwardly because it is real within. Staying steady in it brings good fortune.',
  'Modest even when the merit is great. Whoever has achieved much and makes no show of it wins the loyalty of others and finishes the work; good fortune.',
  'Modesty in everything you do. Do not hide behind it or use it to avoid responsibility; humility put into action helps in every way.',
  'No boasting before one''s neighbours. Yet modesty is not weakness: when something must be set right firmly, act with vigour, and everything goes well.',
  'Modesty that has become known to all. Use its authority to discipline yourself and those close to you first, not to attack others; that is where order must begin.',
  'If all six lines move, the mountain that stayed hidden stands out in the open, and Modesty becomes Treading (10): humility now has to prove itself in conduct among the powerful.');

-- 16. Enthusiasm: thunder above earth
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  8, 16, 'Enthusiasm', 'Enthusiasm', 'Yù', 1, 0,
  'Thunder bursts out of the earth with the first storms of spring, and everything stirs with delight. Movement meets devotion, so others follow gladly. Music comes from the same stirring: shared song and rhythm can unite a whole people in one feeling.',
  'Enthusiasm makes it possible to appoint helpers and to set a large undertaking in motion. Move in harmony with what people already feel, and they will follow willingly.',
  'Enthusiasm that brags about its connections to the powerful. Showing off like this invites misfortune.',
  'Firm as a rock, and not for a whole day more. Seeing the first signs clearly, you neither flatter those above nor sink into idle pleasure, and you withdraw in time; steadiness brings good fortune.',
  'Enthusiasm that gazes up at the powerful and waits for their lead. Hesitating brings regret; seize the right moment yourself.',
  'The enthusiasm springs from you, and much can be accomplished. Trust yourself without hesitation; others will be drawn together around your confidence like strands held by a single pin.',
  'A lingering illness that never quite ends. Constant pressure keeps you from losing yourself in pleasure, and strangely, that pressure is what keeps you going.',
  'Enthusiasm that has turned into blind self-deception. If you wake up and change, even after the fact, no fault remains.',
  'The burst of movement comes under gentle restraint when every line changes, and Enthusiasm becomes The Small Taming Power (9); delight gives way to patient, small steps.');

-- 17. Following: lake above thunder
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  25, 17, 'Following', 'Following', 'Suí', 3, 1,
  'Thunder rests deep in the lake, like the world in autumn settling down for the night. Strength places itself below the cheerful and so wins a following. Keeping to the rhythm of the day, one rests when evening comes and renews one''s strength.',
  'To be followed, first learn to adapt and to follow what the time demands. Supreme success comes from being steadfast in what is right; then no fault is found.',
  'The standard you go by is changing. Stay firm in what is right while opening yourself to new views; go out and meet people beyond your own circle, and something is achieved.',
  'Whoever sticks with the child lets the grown man go. Choosing easy, unworthy company costs you the relationships that would help you grow.',
  'Keep company with the grown man and let the child go. Following what is worthy means giving up what is shallow; you find what you are looking for, and steady resolve helps.',
  'Following brings success, but the flatterers who gather around you have aims of their own. Stay honest and keep to the right way, and clear sight protects you from fault.',
  'Sincere in following the good. Trusting in what is excellent and staying true to it brings good fortune.',
  'Bound fast by firm allegiance and held closer still. The sage who had withdrawn is drawn back by those who follow him, and the king honours him at the western mountain.',
  'Changed throughout, Following becomes Work on What Is Spoiled (18). Easy adaptation to others has let things decay; now the damage that was handed down must be repaired.');

-- 18. Work on What Is Spoiled: mountain above wind
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  38, 18, 'Work on What Is Spoiled', 'Repair', 'Gǔ', 4, 6,
  'Wind blows low along the mountain and is trapped there, and things stagnate and rot. The ancient sign shows a bowl in which worms have bred: decay that came from neglect. Repair begins by rousing people from apathy and then steadying them with lasting values.',
  'What has been spoiled through neglect can be made good, with great success; it is the time to take on a large task. Reflect carefully before you begin, and keep watch for a while afterward so that the new state holds.',
  'Setting right what the father spoiled. If a son takes the task in hand, the old fault no longer weighs on the father; there is danger, but in the end good fortune.',
  'Setting right what the mother spoiled. Damage that came from weakness needs tact, not force; do not be too rigorous.',
  'Setting right what the father spoiled, with a little too much zeal. There is some regret, but no great fault.',
  'Putting up with what the father spoiled. Leaving old faults in place because you are too weak to tackle them only makes matters worse; going on like this brings humiliation.',
  'Setting right what the father spoiled, with the help of able people. The work earns praise.',
  'Stepping back from the service of rulers, he turns to aims of his own and higher ones. Not everyone has to take part in worldly affairs; working on one''s own character is also a task.',
  'Once the old damage is repaired, every line can turn, and the work becomes Following (17): the fitting thing now is to adapt to the new time and follow it with a light heart.');

-- 19. Approach: earth above lake
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  3, 19, 'Approach', 'Approach', 'Lín', 0, 3,
  'The earth rises above the lake, as the shore looks down on the water. Two strong lines push up from below, as the light grows again after midwinter; what is good draws near and gains ground. One who stands above others should offer them teaching that never runs dry and care that leaves no one out.',
  'A time of approach brings great success; stay steady in what is right. But remember that by the eighth month the trend reverses, so make good use of the spring while it lasts.',
  'Approaching together with others. Good people rise side by side; keep to what is right, and good fortune follows.',
  'Approaching together, with good fortune in everything. You know that this season will pass, so you use it well, and all goes forward.',
  'Approaching with ease and comfort. Success makes you careless, and nothing is gained by that; if you come to regret it and correct yourself, you escape fault.',
  'Approaching completely, with full openness toward an able person below. Drawing them in without prejudice brings no fault.',
  'Approaching with wisdom. A great ruler chooses able helpers and then lets them act; that is fitting, and it brings good fortune.',
  'Approaching with a generous heart. A wise elder returns to the world to teach and to help; good fortune, and no fault.',
  'The rising time reaches its turning point: with all lines moving, Approach becomes Retreat (33), and what drew near must withdraw in good time, as autumn follows spring.');

-- 20. Contemplation: wind above earth
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  48, 20, 'Contemplation', 'Viewing', 'Guān', 6, 0,
  'Wind moves over the earth and reaches everywhere. The figure is like a tall tower seen from far and wide: one who looks out over the land and is looked up to by all. A leader goes out among the people to see how they live, and teaches by what is seen as much as by what is said.',
  'The hands have been washed, but the offering has not yet been made. In that quiet, serious moment before the ceremony the onlookers gaze up with trust; inner composure like this moves others without a word.',
  'Looking at things as a child does. For ordinary people a shallow view is no fault, but a leader who sees no further is put to shame.',
  'Peeping through the crack of a door. A narrow, private view may serve someone who keeps to the house, but it is not enough for someone who has to act in the world.',
  'Examining the effects of your own life shows you whether to step forward or step back. Self-examination, not concern for appearances, points the way.',
  'Seeing the light of the kingdom. Whoever understands what makes a state truly flourish should offer counsel as an honoured guest of its ruler.',
  'Looking at my own life. A person of influence judges himself by what that influence does to others; if its effect is good, he is without fault.',
  'Looking at his own life from a distance. Freed from concern for the self, the wise person reflects on what they have become, and no fault remains.',
  'Quiet looking becomes vigorous action when all six lines change and Contemplation turns into The Power of the Great (34). The insight gained is now backed by force, which must stay joined to what is right.');

-- 21. Biting Through: fire above thunder
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  41, 21, 'Biting Through', 'Biting', 'Shì Hé', 5, 1,
  'Thunder and lightning together. The figure is an open mouth with something caught between the teeth: an obstacle stands in the way of union, and it must be bitten through with energy. Laws must be as clear as lightning and their consequences as certain as thunder.',
  'Success through decisive action. It is a time to let justice take its course: deal with the obstruction firmly but fairly, with the clarity of lightning and the force of thunder.',
  'Feet clamped in the stocks, toes out of sight. A light punishment for a first offence stops a person before it is too late; no fault.',
  'Teeth sink so easily into tender meat that the nose goes under. Justice is easy to reach here, and going a little too far is no fault.',
  'Biting into old dried meat and striking something poisonous. Tackling a long-standing wrong without full authority stirs up resentment; a slight humiliation, but the task is necessary, so there is no fault.',
  'Chewing on dried meat full of gristle and finding bronze arrowheads in it. Great obstacles and strong opponents: knowing how hard it is and staying hard as metal and straight as an arrow brings good fortune.',
  'Chewing on dried lean meat and finding yellow gold. The case is hard yet clear, and leniency tempts you; be impartial and firm like metal, stay aware of the danger, and you are without fault.',
  'A wooden yoke locked round his neck hides his ears. One who will not hear warnings goes on until the punishment is severe; misfortune.',
  'Every line moving, Biting Through becomes The Well (48): forceful judgement gives way to a common source from which everyone may draw, and order is kept by nourishment rather than punishment.');

-- 22. Grace: mountain above fire
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  37, 22, 'Grace', 'Grace', 'Bì', 4, 5,
  'Fire burns at the foot of the mountain and lights up its heights: beauty and form. Adornment brightens things, but it is their form and not their substance. It can make daily matters clearer, yet weighty decisions must rest on substance, not on appearance.',
  'Grace brings success, but only in small matters. Form and beauty help things along; what is essential still needs more than a fine appearance.',
  'He dresses up his feet and chooses to walk rather than ride. At a modest beginning he wants no borrowed comfort that is not honestly his.',
  'He grooms the beard on his chin. Outward form follows what it adorns: it is worth something only together with the substance it belongs to.',
  'Graceful and glistening. A pleasant life full of charm can lull you to sleep; only steady persistence keeps it good.',
  'Grace or plainness? A white horse arrives as if on wings. The one who seemed an intruder comes in honesty, to court; choose inner worth over outward show.',
  'Grace among hills and gardens. The roll of silk you can offer is small and poor, and you feel ashamed; yet the sincerity behind it counts, and in the end it brings good fortune.',
  'Plain, unadorned grace. When the content is perfect it needs no decoration; no fault.',
  'Strip every line of its adornment and Grace becomes Oppression (47). When outward beauty is gone, exhaustion and hardship come, and only inner substance carries you through.');

-- 23. Splitting Apart: mountain above earth
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  32, 23, 'Splitting Apart', 'Splitting', 'Bō', 4, 0,
  'A mountain resting on the earth, steep and narrow at the top, being worn away. The yielding lines have risen from below until only one strong line remains at the top, like a house whose roof is about to fall in. A mountain stands only as long as its base holds; those in high places stay secure by giving freely to those who carry them.',
  'The inferior are pushing out the good. It is no time to undertake anything; stay quiet, yield to the time and wait it out.',
  'The legs of the bed are broken away. Slander and intrigue begin to undermine the base; those who stay loyal are ruined, and there is nothing to do but wait; misfortune.',
  'The bed is split at its frame. The danger comes closer and no help is in sight; be cautious, adapt and avoid stubborn resistance, or misfortune strikes.',
  'He breaks away from them. Bound to the inferior by circumstance, you keep your tie to a good person above; breaking with your own side, you remain without fault.',
  'The bed is split right down to the skin of the one lying on it. Misfortune has reached its height and can no longer be avoided.',
  'A string of fish, led in order as the queen leads the ladies of the court. The dark forces come to serve the light willingly rather than fight it, and everything turns out well.',
  'One large fruit still hangs uneaten. Good survives decay like a seed; the noble person gains a carriage and the support of the people, while the petty, by their destruction, bring down their own house.',
  'The tide turns in all six lines: Splitting Apart becomes Breakthrough (43). Where the one good line was being worn away, the good has all but won and breaks through the last obstacle with resolve.');

-- 24. Return: earth above thunder
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  1, 24, 'Return', 'Return', 'Fù', 0, 1,
  'Thunder stirs deep within the earth: the light comes back at midwinter. The one strong line re-enters at the bottom and a new cycle begins, but it is still weak. Rest belongs to this moment; like the old custom of closing the roads at the solstice, let the new strength grow in quiet.',
  'Returning brings success. The turning point comes of itself, and nothing forces it; friends come and gather freely. The course goes out and comes back, and after seven days the return is here; it helps to have somewhere to go.',
  'Coming back after only a short detour. Turning around before you have gone far spares you regret; great good fortune.',
  'A quiet return. Following the example of good people makes turning back easy; good fortune.',
  'Turning back again and again. Wavering between the right way and the wrong one is dangerous, but because you keep coming back there is no fault.',
  'You travel in company, yet you turn back on your own. Following your own sense of the good, even when your companions do not, is right whatever the outcome.',
  'Returning with a noble heart. Seeing your own faults and mending them openly leaves nothing to regret.',
  'The chance to return is missed. Obstinacy brings misfortune from within and from without; if armies march, they meet a great defeat that brings the ruler down with them, and for ten years nothing can be undertaken.',
  'Each turning point holds the next: when every line changes, Return becomes Coming to Meet (44), and the first light that came back below gives way to the first shadow that slips in beneath strength.');

-- 25. Innocence: heaven above thunder
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  57, 25, 'Innocence', 'Innocence', 'Wú Wàng', 7, 1,
  'Thunder rolls beneath heaven, and all things wake in their own true nature. Movement that follows heaven''s way is innocent, free of hidden motives and calculation. One who is in harmony with the season can care for all things as they need, neither forcing nor neglecting them.',
  'Innocence brings great success, and steady rightness helps. But whoever is not as they should be meets misfortune, and it does not help them to undertake anything. Act from what is genuine, not from scheming; the unexpected then does no harm.',
  'Acting without guile, from a pure impulse of the heart. Following that impulse brings good fortune.',
  'Do the ploughing for the ploughing''s sake and the clearing for the clearing''s sake, with no eye on the crop. Work done for its own sake, not for its reward, makes it good to go forward.',
  'Undeserved misfortune. Someone leaves a cow tied by the road; a traveller leads it off, and the villager who stayed behind is blamed for it. Bad luck can strike the blameless, and it has to be borne.',
  'Whoever can stay true to what they are remains free of fault. Do not let yourself be talked out of your own nature.',
  'A sickness you did nothing to bring on. Do not reach for remedies; an unmerited trouble is best left alone, and it wears off by itself.',
  'Innocent action now brings misfortune. When the time is not right, even a pure intention goes wrong; wait quietly rather than push ahead.',
  'With every line changing, Innocence becomes Pushing Upward (46). Spontaneous, unplanned action is replaced by patient effort that climbs step by step, like a tree growing out of the earth.');

-- 26. The Great Taming Power: mountain above heaven
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  39, 26, 'The Great Taming Power', 'Great Taming', 'Dà Chù', 4, 7,
  'Heaven held inside the mountain: great creative strength is gathered, stored and kept in check. Firm restraint, careful keeping and daily renewal make this a time of great accumulation. The stored wisdom of those who came before is such a treasure; study it and let it strengthen your character.',
  'Steady firmness helps. It is good to serve the common life and not to eat at home: great strength should be put to work for the good of all. Now a great crossing can be made.',
  'Danger is near; it is better to stop. Do not push against the restraint, but wait until you can move freely.',
  'The axle blocks are taken off the wagon. You cannot go on now, so rest content without struggling; the restraint is not a defeat.',
  'A fine horse runs behind others. The way opens and you may move ahead, but stay aware of the dangers, practise your skills every day, and keep your goal firmly in view.',
  'A board fastened across the horns of a young bull. Checking a wild force before it has grown strong is easy, and brings great good fortune.',
  'The tusks of a gelded boar. Go to the root of the wild force instead of fighting its outward signs; good fortune.',
  'The road of heaven lies open. The stored power is released and works freely in the world; success.',
  'Released in all its lines, The Great Taming Power becomes Gathering Together (45): what was held back and stored within now draws people together around a shared centre.');

-- 27. Providing Nourishment: mountain above thunder
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  33, 27, 'Providing Nourishment', 'Nourishment', 'Yí', 4, 1,
  'Thunder at the foot of the mountain. The figure is an open mouth, firm jaws above and below with empty space between: nourishment of body and of spirit, for oneself and for others. What goes out of the mouth and what goes in both need watching: speak with care and eat with moderation.',
  'Steadiness brings good fortune. Look at how people care for others and at what they seek to fill their own mouths with, and you will know their character.',
  'You set aside your own oracle tortoise and eye my meal with your mouth watering. Giving up your independence to envy what others have brings misfortune.',
  'Looking up to the heights for food and straying from the path to beg on the hill. Depending on others instead of providing for yourself leads to misfortune if you keep at it.',
  'Turning away from true nourishment. Chasing one gratification after another never satisfies; do not go that way for ten years, for nothing good comes of it.',
  'Looking up to the heights for food, in order to feed others. Seeking helpers with the keen, hungry gaze of a tiger is no fault when it serves the common good; good fortune.',
  'Turning away from the usual path. You know you lack the strength to feed others alone; rely on a wise helper and stay steady, but do not attempt a great crossing.',
  'The source of nourishment for all. Such responsibility is heavy and dangerous; knowing that brings good fortune, and even a great crossing can be made.',
  'Overdone, nourishment becomes a burden: all lines changing turn Providing Nourishment into Preponderance of the Great (28). The load grows too heavy for its supports, and extraordinary measures are needed.');

-- 28. Preponderance of the Great: lake above wind
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  30, 28, 'Preponderance of the Great', 'Great Excess', 'Dà Guò', 3, 6,
  'The lake has risen over the trees, and water floods the wood. Four strong lines in the middle and weak ones at both ends: a roof beam too heavy for the posts that carry it. In such an hour one must be able to stand alone without fear and, if need be, withdraw from the world without despair.',
  'The main beam bends under a weight it was not built for. An exceptional load calls for exceptional measures: find a way out, act gently but quickly, and there will be success.',
  'Spreading white rushes on the ground before setting anything down. Extraordinary care at the start of an extraordinary undertaking is no fault.',
  'New shoots spring from the roots of a dried-up willow; an ageing man marries a young bride. The strong joins with what is fresh and humble below, renewal comes, and everything goes well.',
  'The beam bows until it cracks. Pushing on headstrong and refusing all advice, you stand alone when the weight brings everything down; misfortune.',
  'The beam is propped up and holds; good fortune. But if you use the support you receive for your own advantage rather than for the whole, it turns to shame.',
  'An old willow puts out blossoms; an older woman marries a young man. The show is brief and bears no fruit: there is no blame in it, and no praise either.',
  'Wading on through deep water until it closes over your head. Giving yourself up for what is right can cost dearly; misfortune, yet no one can find fault with it.',
  'When every line changes, the crushing excess eases into Providing Nourishment (27): what was overloaded learns to take in and give out only what is right.');

-- 29. The Abysmal: water above water
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  18, 29, 'The Abysmal, Water', 'Abysmal', 'Kǎn', 2, 2,
  'Water upon water, a gorge within a gorge: danger repeated. One strong line is caught between two weak ones, like water racing through a ravine that fills every hollow and flows on without losing its nature. Be like that water: keep your goodness steady and pass on what you know, again and again, until it takes hold.',
  'Danger upon danger. If you stay sincere, your heart finds its way through, and what you do succeeds. Flow like water, true to yourself and unhurried, and keep moving.',
  'Deeper and deeper into the gorge, into a pit within the pit. Grown used to danger, you lose your way, and misfortune follows.',
  'The gorge is dangerous. You cannot escape all at once; be content with small gains and small steps.',
  'Forward and back, one gorge after another. Every move makes things worse; stop, wait, and do not act until a way opens.',
  'Plain wine in a jug, rice in a bowl, clay dishes passed in through a window. In danger, honest simplicity without ceremony is enough, and nothing is held against it in the end.',
  'The water in the gorge does not overflow; it rises only to the brim. Do not try to do more than get through; the way out opens, and there is no fault.',
  'Tied up with rope and fenced in by thorns. You have lost your way so completely that three years pass before you find it again; misfortune.',
  'Danger repeated gives way to brightness repeated as all six lines move and The Abysmal becomes The Clinging (30). By holding true within, you come out of the dark into clarity.');

-- 30. The Clinging: fire above fire
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  45, 30, 'The Clinging, Fire', 'Clinging', 'Lí', 5, 5,
  'Fire upon fire, brightness rising twice, like the sun shining day after day. A flame depends on what it burns, and light on what it shines upon. A great person keeps that clarity alive and lets it reach every part of the world.',
  'Steady firmness brings success. Clinging willingly to what is right and depending on it, with the docile patience of a well-kept cow, brings good fortune.',
  'Footprints criss-cross in the morning bustle. At the start of the day, when impressions crowd in, keep your composure and be serious, and you remain free of fault.',
  'Yellow light, the colour of the middle. Clarity that keeps to measure and balance brings the highest good fortune.',
  'As the sun goes down, some bang on pots and sing, others moan about old age. Losing your inner calm over the shortness of life, in either way, brings misfortune.',
  'A sudden blaze that flares, sinks and is swept out with the ashes. Brilliance that arrives too fast burns itself out just as quickly.',
  'Floods of tears, sighs and grief. A real change of heart at the height of success is sincere, and it brings good fortune.',
  'The king sends him out to restore order. Punish the ringleaders and spare those who were led along; to go beyond that would be excess, and then there is no fault.',
  'Changing in every line, brightness sinks into darkness and The Clinging becomes The Abysmal (29). Light that depended on outward things is lost; then only inner sincerity can guide you.');

-- 31. Influence: lake above mountain
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  28, 31, 'Influence (Wooing)', 'Influence', 'Xián', 3, 4,
  'A lake on top of a mountain: the height draws up the water and the water keeps the height fresh. The still youngest son below and the cheerful youngest daughter above attract each other: mutual influence. Keep yourself humble and open, and others will find it easy to come near.',
  'Influence brings success, as long as you hold to what is right. Marrying a young woman brings good fortune: attraction grounded in respect and restraint.',
  'The influence is felt in the big toe. A movement has begun, but no one can see it yet; nothing good or bad follows from it so far.',
  'The influence is felt in the calves. Rushing off on impulse before the right moment brings misfortune; wait, and good fortune comes.',
  'The influence is felt in the thighs. Running after every whim of those you are attached to leads to regret; keep your own will.',
  'Steadiness brings good fortune and regret fades. If you scheme and restlessly try to sway others, only those you push will follow; true influence works without conscious effort.',
  'The influence reaches the back of the neck. A firm will is not moved by anything, but it does not reach others either; no regret.',
  'The influence shows in the jaws, the cheeks and the tongue. Influence through talk alone is shallow and achieves nothing.',
  'Should all the lines move, Influence becomes Decrease (41): mutual attraction gives way to restraint, and what was exchanged freely must now be offered as a sacrifice.');

-- 32. Duration: thunder above wind
INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below,
  DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  14, 32, 'Duration', 'Duration', 'Héng', 1, 6,
  'Thunder and wind work together and never stop. The eldest son above and the eldest daughter below: the lasting union of marriage. Amid all movement, keep a fixed course and hold to it.',
  'Duration brings success and no fault. Holding to what is right helps, and it is good to have somewhere to go: lasting things are not static, they renew themselves as they move.',
  'Wanting lasting results too fast. Pushing for depth before trust has grown brings misfortune if you insist, and nothing is gained.',
  'Regret disappears. Though your strength is greater than your position, you keep to the middle and do not overdo things.',
  'Whoever does not keep their character steady meets disgrace. Letting moods and outside pressures sway you again and again brings lasting humiliation.',
  'Hunting in a field where there is no game. Searching where nothing is to be found gets you nothing, however long you persist; look in the right place.',
  'Lasting firmness in keeping to one''s character. For one who serves and follows, this brings good fortune; for one who must lead and decide, it brings misfortune.',
  'Restlessness that never stops. Constant agitation at the top drains all strength; misfortune.',
  'Duration, moving in all six lines, becomes Increase (42). Perseverance in what lasts brings its reward: what endured is now enriched from above and can spread to others.');
