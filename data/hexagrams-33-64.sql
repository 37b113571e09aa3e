-- Hexagram texts, books 33 to 64: one row of ENGLISH_DEFAULT per hexagram, in book order.
-- Trigram numbers: 0 earth, 1 thunder, 2 water, 3 lake, 4 mountain, 5 fire, 6 wind, 7 heaven;
-- NUMBER_BOOLEAN = 8 * above + below.

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  60,
  33,
  'Retreat',
  'Retreat',
  'Dùn',
  7,
  4,
  'Heaven stands above the mountain and draws away however high the mountain climbs. Two yielding lines are creeping up from below, and the strong lines give ground before them. This is a season for an orderly withdrawal that saves strength, not for a fight that cannot be won.',
  'Stepping back at the right moment is itself a success. Withdraw without bitterness and without panic: keep a cool distance from petty opponents and stay correct in small matters. Clinging to ground that is already lost would only waste the strength you will need later.',
  'You are the last of the retreating column, the most exposed place of all. Start nothing new; keep still and let the danger move past you.',
  'Your loyalty is as tough as rawhide: you keep hold of the right person or cause and nobody can pry you loose. In a time of withdrawal this firm attachment is what protects you.',
  'The retreat is held up because people who depend on you cling to your sleeve. That is uneasy and risky; such ties are fine for looking after a household, but not for guiding anything important.',
  'You choose to leave while leaving is still easy. Someone with inner discipline gains by this willing withdrawal; someone ruled by appetite cannot let go and is hurt by staying.',
  'You withdraw gracefully, at the proper moment and on good terms with everyone. Clarity of purpose combined with courtesy makes this turn out well.',
  'The withdrawal is complete and untroubled: nothing holds you and no doubt follows you. Free of entanglements, you find every road open.',
  'When all six lines change, Retreat becomes Approach (19): the strength that was pulling back now advances. Bring the calm judgement you learned while stepping aside, and move forward only while the season is truly in your favour.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  15,
  34,
  'The Power of the Great',
  'Great Power',
  'Dà Zhuàng',
  1,
  7,
  'Thunder rolls high in the sky over heaven. Four strong lines have pushed up through the figure and their force is at full stretch. Great strength is present, and the real question is whether it serves what is right or only itself.',
  'Strength stays great only while it is joined to what is right. Be firm, but do not use power simply because you have it; refusing every step that would break the proper order is the truest proof of strength.',
  'All the energy is in the feet, eager to stride out before anything is prepared. Marching ahead now is certain to go wrong.',
  'Steadiness brings good fortune. Things are beginning to open for you; keep to the middle and do not let early success tempt you into excess.',
  'The small-minded show off their force; the wise keep theirs in reserve. Forcing the issue is like a ram ramming a fence and snagging its horns: dangerous, with no way out.',
  'Keep going quietly and the regret fades. The obstacle gives way without any battering, and your strength works unseen, like the axle that bears a heavily loaded cart.',
  'You shed your stubbornness almost without noticing, as easily as a ram is let go on open ground. Giving up the urge to butt your way through costs nothing and leaves no regret.',
  'You have pushed so far that you can move neither forward nor back, like a ram with its horns caught in a hedge. Insisting helps nothing; admit the difficulty, wait, and the way clears.',
  'Turned over in every line, The Power of the Great gives Contemplation (20). Force gives way to looking and being looked at: stop pressing, and let understanding and a good example do the work.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  40,
  35,
  'Progress',
  'Progress',
  'Jìn',
  5,
  0,
  'The sun rises over the earth and its light spreads over everything. Clear insight rests on a base of willing devotion: a capable person rises quickly and is welcomed by those above. This is a time of easy, visible advance.',
  'Advancement comes to someone who serves faithfully and lets their own light show. A leader who trusts such a helper rewards them generously and receives them again and again. Work at making your own good qualities clearer rather than at being praised for them.',
  'You try to move forward and are turned back. Stay correct and generous even when no one believes in you yet; calm patience keeps you from any error.',
  'There is progress, but it comes with sorrow, because the road to the person who could help you seems shut. Hold steady; in the end a great kindness will reach you from a gentle, motherly quarter.',
  'Those around you agree with you and back you. Because you move together with others, your earlier doubts fall away.',
  'You advance like a hoarding rodent, gathering in secret what you have not earned. Carrying on this way puts you in danger of exposure.',
  'Regret falls away. Stop worrying whether you win or lose; act with a clear and open heart and what you take up will go well.',
  'Advancing with lowered horns is fitting only for setting your own house in order. Being severe even with your own faults is risky, though it can succeed; turning that severity on others brings shame.',
  'Every line moving: Progress flips into Waiting (5). After a swift rise comes a time to pause and take nourishment; trust that what is due to you will arrive without being chased.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  5,
  36,
  'Darkening of the Light',
  'Dimmed Light',
  'Míng Yí',
  0,
  5,
  'The sun has sunk beneath the earth. A dark power holds the high place and injures those who are bright and capable. The light is not extinguished, only hidden: clarity stays inside while the outside bends and yields.',
  'In times of oppression, stay true to yourself without drawing fire. Veil your brightness, be careful in word and deed, and keep your inner conviction alive. Outward compliance joined to inner firmness carries you through the dark.',
  'Your light is dimmed just as you try to rise, so you fold your wings and slip away. On the road you go hungry and the people you meet speak badly of you, yet breaking away from the darkness is right.',
  'You are wounded, but not crippled, as by a blow to the left leg. Use the strength you still have, fast as a horse, to rescue others; this turns out well.',
  'Hunting in the south, you catch the very source of the darkness. Do not expect to put everything right at once; old wrongs must be undone gradually.',
  'You get close enough to see into the heart of the darkness. Once you understand how things truly stand, leave quietly by the gate while there is still time.',
  'Like a loyal minister trapped at a tyrant''s court who hid his wisdom behind a show of madness, keep your light concealed where you cannot leave. What matters is that inside you remain unbroken.',
  'There is no light here, only night. What climbed to the sky falls into the depths of the earth: the darkness, having reached its height, destroys itself.',
  'With all six lines changing, Darkening of the Light becomes Conflict (6). The light that was hidden steps out into open disagreement; before contending, ask whether the quarrel can be settled early and fairly rather than fought to the end.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  53,
  37,
  'The Family',
  'Family',
  'Jiā Rén',
  6,
  5,
  'Wind rises out of fire: warmth at the centre produces an influence that reaches outward. Each member keeps a proper place, a strong line at the centre of the outer trigram and a yielding line at the centre of the inner one. Order at home becomes the root of order in the wider world.',
  'The household thrives when each person is faithful to their role, and above all when the one who tends its inner life stays constant. Say only what has substance and live consistently; influence flows from what you do, not from what you announce.',
  'Set clear boundaries at the very start of a life together. When everyone knows the rules early, there is nothing to regret later.',
  'Do not follow private whims; look after the meals and the needs of the house. Quiet, dependable care at the centre of things brings good fortune.',
  'When tempers flare at home, being too strict brings some regret, yet it still ends well. Letting everyone laugh and drift without any discipline ends in disgrace.',
  'You are the one who makes the household prosper, keeping its resources in good balance. Great good fortune.',
  'The head of the family rules like a king, yet through affection rather than fear. There is nothing to be anxious about; things go well.',
  'Sincerity joined with dignity earns lasting respect. Hold yourself to a high standard first, and in the end all goes well.',
  'Changing in all six lines, The Family turns into Deliverance (40). Ties that held everyone in place are loosened; release what has been too tight, forgive, and let people breathe without losing the warmth that bound them.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  43,
  38,
  'Opposition',
  'Opposition',
  'Kuí',
  5,
  3,
  'Fire flames upward and the lake seeps downward, so the two drift apart. Like two sisters sharing one house but not one mind, the parts of the situation pull in different directions. Yet opposites also define each other and can be made to serve a common end.',
  'Do not launch great joint ventures while minds are estranged; small matters can still succeed. Keep your own character while living among others, and look for the common ground beneath the differences.',
  'Regret fades. Do not chase what has wandered off; like a runaway horse it will come home by itself. When you meet people who mean you harm, stay polite and correct so that you give them no handle.',
  'You run into the person you serve by chance, in a side street rather than through the front door. An informal meeting is no mistake when the formal paths are blocked.',
  'Everything seems to turn against you: the cart is dragged back, the oxen stop, and you are treated with contempt. It is a bad beginning, but if you keep faith with your true ally it has a good end.',
  'Isolated amid the discord, you meet someone of the same mind and the two of you can trust each other fully. There is danger, but you make no mistake.',
  'Regret fades. Your true partner bites through the layers that kept you apart; going to meet them is no error.',
  'Isolation has made you suspicious, so you see your friend as a mud-caked pig or a cart full of demons. You draw your bow, then lower it: this is not a bandit but a suitor. As you go on, rain falls and the tension breaks, and it ends well.',
  'If all lines change, Opposition becomes Obstruction (39). Estrangement that is never healed hardens into a real barrier; turn inward, seek allies, and work on yourself instead of pushing against the wall.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  20,
  39,
  'Obstruction',
  'Obstruction',
  'Jiǎn',
  2,
  4,
  'A steep mountain behind and dangerous water in front: the way ahead is blocked. The obstruction is real, but it is also an invitation to stop, look inward and gather help.',
  'Do not charge into the danger; turn toward easy ground and toward people who can help. Seek out someone wise, hold to what is right, and use the difficulty to improve yourself rather than to blame others.',
  'Going forward leads into trouble; holding back earns praise. Wait until the time is right.',
  'You meet one obstacle after another, and not through any fault of your own: duty requires you to face them. Serve faithfully and do not count the cost.',
  'Pressing on would only lead into trouble, so you turn back to those who depend on you. They are glad you have returned.',
  'Going on alone runs into a wall; coming back lets you join forces. Gather the allies you need before you try again.',
  'You are caught in the very middle of the difficulty, but friends come to your aid. Your steadiness is what draws them.',
  'Striking out on your own leads nowhere, but turning back to help others brings great good fortune. Look for the person of real stature and work alongside them.',
  'When every line changes, Obstruction turns into Opposition (38). The barrier gives way to open difference; the task is no longer to climb past a wall but to live with people who see things otherwise, finding agreement in small matters.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  10,
  40,
  'Deliverance',
  'Deliverance',
  'Xiè',
  1,
  2,
  'Thunder and rain break out and the heavy tension in the air is released. Movement has carried things out of danger; knots loosen and life starts again, like buds bursting open after a storm.',
  'Once the danger is past, return to ordinary life quickly and do not stir things up. If something remains to be done, see to it promptly. Forgive mistakes and let old offences go.',
  'The burden has been lifted; rest and recover. There is no fault in doing nothing for a while.',
  'You catch three foxes in the field and receive a yellow arrow: sly flatterers are driven out by straight, balanced conduct. Stay upright and it goes well.',
  'You carry a porter''s load and yet ride in a carriage, flaunting a rank you have not earned, and so you attract thieves. Keeping this up ends in disgrace.',
  'Free yourself from the hangers-on who cling to you, as you would shake something off your big toe. Then true companions arrive whom you can trust.',
  'Only you can set yourself free; good fortune comes when you truly break with what holds you back. Then the small-minded see that you mean it and withdraw.',
  'A prince shoots the hawk perched on the high wall and brings it down. The last obstacle is removed with the right means at the right moment, and everything benefits.',
  'All lines changing turn Deliverance into The Family (37). After the release, attention comes home: rebuild order, make roles clear and nourish the close bonds that the crisis loosened.'
);
