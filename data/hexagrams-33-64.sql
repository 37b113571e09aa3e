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
  'Keep on quietly and the regret fades. The barrier opens without a fight, and your strength works unseen, like the axle under a heavily loaded cart that carries everything without being noticed.',
  'You shed your stubbornness almost without noticing, as easily as a ram is let go on open ground. Giving up the urge to butt your way through costs nothing and leaves no regret.',
  'You have charged so far that you are stuck fast, like a ram with its horns in a hedge, unable to push through or pull out. Force achieves nothing now; see the difficulty for what it is, be patient, and the way clears.',
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
  'As soon as you try to rise, the darkness strikes, so you tuck in your wings and quietly get away. The road is hungry and people whisper about you, but leaving is right and you have somewhere to go.',
  'You are wounded, but not crippled, as by a blow to the left leg. Use the strength you still have, fast as a horse, to rescue others; this turns out well.',
  'Hunting in the south, you catch the very source of the darkness. Do not expect to put everything right at once; old wrongs must be undone gradually.',
  'You get close enough to see into the heart of the darkness. Once you understand how things truly stand, leave quietly by the gate while there is still time.',
  'Like a loyal minister trapped at a tyrant''s court who hid his wisdom behind a show of madness, keep your light concealed where you cannot leave. What matters is that inside you remain unbroken.',
  'Here nothing shines at all. The power that rose as high as the sky ends by falling into the pit it dug: darkness, once at its peak, destroys itself.',
  'Every line of Darkening of the Light reversed gives Conflict (6): the hidden light steps out into open disagreement. Before contending, ask whether the quarrel can be settled early and fairly rather than fought to the end.'
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
  'Your place now is at the heart of the household, seeing that everyone is fed and cared for rather than chasing projects of your own. Faithful, quiet care brings good fortune.',
  'Strictness at home may go too far and cause hurt feelings, yet it does less damage than the opposite. A house where everyone giggles and does as they please ends up in disgrace.',
  'You are the one who makes the household prosper, keeping its resources in good balance. Much good comes of this.',
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
  'Regret fades. What has strayed will find its way back, like a horse returning to its stable; chasing it would only drive it further. With people who wish you ill, keep your manners and your conduct blameless so they find nothing to seize on.',
  'You run into the person you serve by chance, in a side street rather than through the front door. An informal meeting is no mistake when the formal paths are blocked.',
  'Everything seems to conspire against you: your cart is pulled back, your oxen balk, and you are treated with open contempt. It starts badly, but if you hold to the one you truly belong with, it ends well.',
  'Cut off by the general discord, you find one kindred spirit, and the two of you can deal with each other in complete good faith. The situation is risky, but you stand on safe ground.',
  'Regret fades. The person you belong with breaks through the barrier between you as easily as teeth through soft meat; go and meet them without hesitation.',
  'Loneliness has warped your view: the friend approaching looks like a filthy pig or a cart loaded with ghosts. You raise your weapon, then see your mistake; this one comes to court you, not to rob you. When the misunderstanding breaks like rain after heat, all is well.',
  'Let every line of Opposition turn and the figure becomes Obstruction (39). Estrangement that is never healed hardens into a real barrier; turn inward, seek allies, and work on yourself instead of pushing against the wall.'
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
  'Meeting the obstacle head-on now would only entangle you. Hold back and watch for the right moment; that restraint will be respected.',
  'Trouble piles on trouble, yet none of it is your doing: you face it because your duty lies there. Serve faithfully and do not count the cost.',
  'Pressing on would only lead into trouble, so you turn back to those who depend on you. They are glad you have returned.',
  'Alone you would only hit a wall. Stay where you are and draw together the people you need; with their help the attempt can succeed later.',
  'You are caught in the very middle of the difficulty, but friends come to your aid. Your steadiness is what draws them.',
  'You could simply walk away from the trouble, but that would lead nowhere. Turning back to share the struggle brings great good fortune; seek out a person of real stature and work alongside them.',
  'Reverse all six lines of Obstruction and you reach Opposition (38). The wall gives way to open difference; the task is no longer to climb past a barrier but to live with people who see things otherwise, finding agreement in small matters.'
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
  'You have risen above your station and show it off, like a porter lounging in a carriage with his load still on his back. Such display invites thieves, and clinging to it ends in disgrace.',
  'Shake off the petty people attached to you, who cling like something stuck to your toe. Only when they are gone will friends of real worth come near and trust you.',
  'No one else can cut you loose; you must make the break yourself. When you do so inwardly and for good, those who fed on your weakness notice and quietly leave.',
  'Like an archer who brings down a hawk from the top of a high wall, you remove the last stubborn obstacle with the right means at the right moment. After that, everything works in your favour.',
  'All lines changing turn Deliverance into The Family (37). After the release, attention comes home: rebuild order, make roles clear and nourish the close bonds that the crisis loosened.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  35,
  41,
  'Decrease',
  'Decrease',
  'Sǔn',
  4,
  3,
  'The lake lies at the foot of the mountain, and its moisture rises to keep the slopes green: what is taken from below enriches what is above. Loss of this kind is not simply loss; accepted sincerely, it pares life down to what matters.',
  'When means shrink, honesty makes the shortage bearable and even fruitful. A very plain offering is enough if the heart behind it is true. Rein in anger and curb your cravings, and less can be carried with grace.',
  'When your own work is finished, go quickly and without fuss to help where you are needed. But weigh how much you may ask of the other person and how much of yourself it is wise to give.',
  'Keep your integrity; rushing into action would be a mistake. You can be of real use to others without giving yourself away.',
  'Three who set out together lose one; one who travels alone finds a partner. Real closeness is a matter of two, and a third only stirs up jealousy.',
  'Cut back your own faults and others will gladly hurry toward you. Nothing in this can be held against you.',
  'Enrichment comes to you from outside, so plainly meant that no oracle could argue with it. This is the highest good fortune.',
  'You gain without taking from anyone, and your gain serves everyone. Steadiness pays, and helpers come who work for the common good rather than for a private household.',
  'Decrease with all six lines in motion becomes Influence (31). Having shed what was excessive, you become open and receptive; mutual attraction and quiet responsiveness now achieve more than effort.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  49,
  42,
  'Increase',
  'Increase',
  'Yì',
  6,
  1,
  'Wind and thunder feed each other''s strength. What is above gives to what is below, the way a generous leader spends on the people''s behalf, and everything swells with fresh energy. It is a time when effort pays back many times over.',
  'Use the favourable tide to act and to take on great things, even risky crossings. When you see something good in another, copy it; when you find a fault in yourself, drop it.',
  'Strong help has come your way; put it to work in a large undertaking. Only a selfless aim keeps such luck free of reproach.',
  'Gains come to you that nothing could turn aside. Stay steady and humble; honoured before the highest, you will prosper.',
  'Even mishaps add to your store now. Act sincerely, keep to the middle way and give an honest account to those above, and no one can fault you.',
  'You stand between the leadership and the people, holding the middle course, and when you speak you are heeded. You can be trusted with great undertakings, even one as large as moving a capital.',
  'If your kindness is genuine, you need not ask whether it will pay. Nothing could be more fortunate; others will come to know that goodness as your true character.',
  'You help no one, and someone even strikes at you. A heart that does not hold steady in giving invites misfortune.',
  'Increase, changed in every line, settles into Duration (32). A sudden surge of growth has to become something that lasts; keep your direction and do not mistake a windfall for a foundation.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  31,
  43,
  'Breakthrough',
  'Breakthrough',
  'Guài',
  3,
  7,
  'The lake has risen above heaven and is ready to burst its banks. Five strong lines press against the last weak one at the top. A decision is at hand: something corrupt must be removed, openly and firmly.',
  'Make the matter known plainly and truthfully, aware that there is danger. Start by setting your own circle in order; reaching for weapons would defeat your purpose. Resolute, honest action succeeds, and what you have gained should be shared downward, not hoarded.',
  'The urge to act rushes into your feet. If you set off before you are equal to the task, you make a mistake.',
  'You raise the alarm and keep your weapons at hand even through the night. Because you are alert and prepared, there is nothing to fear.',
  'Letting your resolve show on your face brings trouble. The determined person goes on alone, gets soaked in the rain and hears others grumble, but is not in the wrong.',
  'You can neither sit still nor walk on, like someone whose thighs are rubbed raw. If you let yourself be led instead of pushing, regret would vanish, but you are unlikely to take this advice.',
  'A weed that clings as stubbornly as this must be pulled out with full resolve. Keeping to the middle way, you stay free of reproach.',
  'No one calls out a warning. The evil seems beaten, but a remnant survives unnoticed, and in the end it brings misfortune.',
  'Should every line change, Breakthrough becomes Splitting Apart (23). If the drive to push out the weak element goes too far, the whole structure begins to crumble; be firm, but generous enough that resolution does not turn into collapse.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  62,
  44,
  'Coming to Meet',
  'Meeting',
  'Gòu',
  7,
  6,
  'Wind moves everywhere under heaven. One weak line slips in at the bottom and meets five strong ones: a small influence that looks harmless but can spread fast. What meets us unexpectedly must be recognised for what it is.',
  'Something bold and seductive is approaching; do not bind yourself to it. Meet it openly, but do not let it take charge. A leader sends clear instructions in all directions, like the wind, so that the undermining influence finds no room.',
  'Stop it at once, with a firm brake. Held back, it does no harm; left to run, even a scrawny pig will soon be rampaging.',
  'Keep the fish in your own tank. Contain the influence yourself rather than passing it on to guests; then there is no fault.',
  'Restless and sore, you can neither stay nor go. Because you see the danger clearly, you avoid any serious mistake.',
  'The tank is empty: you have pushed away those below you and lost their support. This leads to misfortune.',
  'A melon ripens in the shade of willow leaves. Protect what is small and let it mature quietly; what you keep hidden falls into your hands as if sent from heaven.',
  'You meet others horns first, proud and aloof. It is humiliating, but it is not a grave fault.',
  'All lines moving turn Coming to Meet into Return (24). The creeping influence is turned back at its root: light re-enters from below, and it is wise to let the renewal grow slowly and naturally.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  24,
  45,
  'Gathering Together',
  'Gathering',
  'Cuì',
  3,
  0,
  'The lake rises over the earth, where water collects in a hollow. People come together around a leader and a shared purpose. Gathering brings strength, but also friction and the risk of trouble.',
  'A gathering needs a centre: a leader or a shared reverence that holds people together. Seek out the right person, give generously and act. Prepare for the unexpected, because wherever many come together, conflict can flare.',
  'Your sincerity comes and goes, so you drift between confusion and belonging. Call out for help: one handshake and you can laugh again. Going to join the others is no mistake.',
  'Let yourself be drawn toward the group; this turns out well and without blame. When the heart is sincere, even a small offering is welcome.',
  'You long to join others but meet only sighs and closed doors. Go to the one person who can let you in; it is a little embarrassing, but not wrong.',
  'You draw people together not for yourself but for the one you serve. Great good fortune, and nothing to reproach.',
  'You hold a central place in the gathering, and that is fitting. If some still do not trust you, strengthen your character steadily and their doubts will fade.',
  'Your wish to belong goes unanswered, and you weep and sigh. Sincere sorrow is no fault; it may still open the way.',
  'The whole of Gathering Together turning over gives The Great Taming Power (26). What has been collected must now be held in check and put to use; store the crowd''s energy wisely and it becomes lasting strength.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  6,
  46,
  'Pushing Upward',
  'Ascending',
  'Shēng',
  0,
  6,
  'Wood grows up out of the earth, bending around obstacles and rising a little each season. Effort joined with flexibility lets modest, steady growth reach real height.',
  'The way up is open: go to the people who can help you, and do not be afraid. Set out toward the light and work step by step, piling small things up into something great.',
  'Your rise is welcomed by those above, who trust you. Great good fortune.',
  'If you are sincere, a modest offering is enough. Honest simplicity carries you upward without reproach.',
  'You climb into an empty city where nothing stands in your way. Go on, but do not linger wondering why it is so easy.',
  'You are honoured and admitted to a sacred place, as a king might invite a trusted follower to worship on his own mountain. It goes well, and nothing can be held against you.',
  'Steadiness brings good fortune. Climb one step at a time and do not skip stages.',
  'You push upward blindly, no longer seeing where you are going. Only unbroken, careful persistence can help now.',
  'Changing in every line, Pushing Upward becomes Innocence (25). Stop planning the climb and act from a clear, unselfish heart; what is natural and unforced now serves better than calculated ambition.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  26,
  47,
  'Oppression',
  'Oppression',
  'Kùn',
  3,
  2,
  'The lake is above, but its water has drained away into the ravine below. Strength is hemmed in and exhausted, and words count for nothing. Adversity tests whether a person can stay cheerful and true.',
  'Hardship can still lead to success for someone of real stature who keeps faith within. Say little, for nothing you say will be believed; act on your deepest purpose even at great cost.',
  'You sit under a bare tree and wander into a gloomy valley, and for a long while you see no light. Gloom feeds on itself; do not let it make you give up.',
  'You have plenty to eat and drink yet feel hemmed in, with no outlet for your gifts. Someone in high office is on the way to help; wait, pray, and do not force matters, for setting out alone would go badly.',
  'You let yourself be stopped by stone and lean on thorns; when you come home, your partner is gone. Relying on what cannot support you brings misfortune.',
  'Help comes slowly, held up in a golden carriage: wealth and comfort stand in the way. It is embarrassing, but it reaches its goal in the end.',
  'You are hurt from above and below and blocked by those who wear the robes of power. Relief comes quietly, little by little; keep up your inner devotion.',
  'You are tangled in creeping vines and tell yourself that any move will bring regret. Feel that regret, then break loose and act: this brings good fortune.',
  'Oppression reversed line by line becomes Grace (22). When the pressure lifts, form and beauty return; enjoy them, but remember that adornment is a garment, not the substance that carried you through.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  22,
  48,
  'The Well',
  'Well',
  'Jǐng',
  2,
  6,
  'Water is drawn up by wood, like a bucket rising from a well or sap rising in a tree. Towns may move and change, but the well stays where it is and serves everyone. It stands for the deep sources that sustain common life.',
  'A well gives the same measure whether many or few come to it, and everyone may draw from it. But a rope that stops short of the water or a cracked bucket wastes the whole effort. Reach right down to the source, and encourage people to help one another.',
  'The well is silted up and abandoned; not even animals come to drink. A person who lets their gifts go stale is soon left alone.',
  'Water trickles away at the bottom where only tiny fish are caught, and the bucket is cracked. Good abilities are being wasted on trivial things.',
  'The water has been cleared and is good to drink, yet nobody comes, which is a real grief. Capable people are left unused; a clear-sighted leader would put them to work and everyone would gain.',
  'The well is being lined with stone. This is a time for repair and inner work rather than service, and there is no fault in that.',
  'A cold, clear spring wells up: the source is pure. What is good is there to be drunk; it only remains to draw it.',
  'The rope runs freely and the well is never covered. Everyone can rely on it, and that brings great blessing.',
  'Draw every line of The Well into its opposite and Biting Through (21) appears. The quiet source gives way to decisive action: whatever blocks the flow must now be bitten through and justice applied plainly.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  29,
  49,
  'Revolution',
  'Revolution',
  'Gé',
  3,
  5,
  'Fire burns beneath the lake: the fire would dry up the water, the water would put out the fire. Forces locked in such a struggle make change unavoidable, the way an animal sheds its coat or the year turns from one season to the next.',
  'A change to the old order is trusted only once its time has truly come. Act out of clear insight and for the good of all, and regret vanishes. Watch the rhythm of events as a farmer watches the calendar, so that the change lands in its season.',
  'Bind yourself tightly, as if wrapped in tough oxhide. It is too early for change; hold still and keep your own counsel.',
  'Once other means have been tried and the moment is ripe, you may set the change going. Acting now is right and turns out well.',
  'Charging ahead brings misfortune, and sheer stubbornness is dangerous too. Only after the case for change has been heard and tested several times will people believe in it.',
  'Doubts fall away because people can see that your motives are sound. A change of order resting on that trust succeeds.',
  'Change led by a person of true stature is as striking and unmistakable as a tiger''s pattern. People see at once that it is right; no one needs to consult an oracle to trust it.',
  'Those with insight refine themselves like a panther grooming its coat; ordinary people at least change their outward behaviour. Pressing further now would go wrong; the task is to let the new order settle.',
  'After an upheaval there is much to learn from the beginning: Revolution with all lines changing becomes Youthful Folly (4). Be a patient teacher and a humble student.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  46,
  50,
  'The Cauldron',
  'Cauldron',
  'Dǐng',
  5,
  6,
  'Fire burns over wood, and the figure itself looks like a bronze ritual vessel: legs below, then the belly, then handles and rings above. The cauldron cooks food for offerings and guests, turning what is raw into what is refined. It stands for culture, nourishment and an order grounded in something higher.',
  'Great good fortune and success. Put your position in order and keep it upright, so that what you are meant to carry can be fulfilled. Nourish the capable people around you as a host feeds honoured guests.',
  'The cauldron is tipped over to empty out old, spoiled remains. An awkward start can clear the way, and someone of humble standing can rise through what they bring; no one is at fault.',
  'Your cauldron is full: you have real substance. Rivals may resent you, but as long as you keep to your own work their envy cannot reach you.',
  'The cauldron''s handles have been altered so it cannot be lifted, and the rich food inside goes uneaten. Your abilities go unnoticed for now, but the tension will break like rain and things end well.',
  'A leg gives way and the prince''s meal ends up on the floor and on his robes. You took on more than your strength could bear, or trusted the wrong helpers, and the result is disgrace.',
  'The vessel is fitted with yellow handles and rings of gold: one in authority who stays approachable and modest, so that capable help can take hold. Keep to this steady course.',
  'Rings of jade, hard yet softly lustrous, crown the vessel: strength tempered with gentleness. This brings great good fortune and benefits everyone.',
  'With all lines moving, The Cauldron becomes Difficulty at the Beginning (3). An established order dissolves back into a chaotic start; expect confusion, find helpers, and build patiently again.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  9,
  51,
  'The Arousing',
  'Shock',
  'Zhèn',
  1,
  1,
  'Thunder follows thunder. A strong line breaks out beneath two yielding ones and sets everything moving. Shock and fright wake people up and open a new beginning.',
  'When the shock comes you tremble, and afterwards you can laugh. Someone composed at the core does not drop what they are holding even when terror spreads far and wide. Let the fright lead to an honest look at your own life.',
  'The shock arrives and you gasp; afterwards there is relieved laughter. The fright makes you careful, and that works in your favour.',
  'A violent shock threatens your possessions and your standing. Let them go and get yourself to safe, high ground; what is yours will come back in due course without being chased.',
  'The upheaval throws you off balance. Turn that jolt into movement in the right direction and it will not hurt you.',
  'The shock sinks into the mud and goes nowhere. Energy bogs down in resistance and nothing is accomplished.',
  'Jolt follows jolt from every side. Stay centred and you lose nothing essential; there is still your work to do in the middle of it.',
  'When panic grips everyone and eyes dart in terror, any move you make will go wrong. Pull back and take stock while the danger is still striking others nearby; then you are not at fault, even if those around you gossip.',
  'All six lines changing turn The Arousing into The Gentle (57). Sudden jolts give way to steady penetration; what the shock began must now be carried through by patient, persistent influence.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  36,
  52,
  'Keeping Still',
  'Stillness',
  'Gèn',
  4,
  4,
  'Mountain rests upon mountain and everything comes to a halt. Stillness here is not stagnation but the proper end of a movement, and it gives the heart room to settle. Act when it is time to act, rest when it is time to rest.',
  'Quiet the back, the part of the body that cannot see, and you are no longer driven by restless desire. Then you can walk among people without being pulled this way and that, and no fault arises. Keep your thoughts within the bounds of your present situation.',
  'Stop before the first step, with the toes still at rest. Holding steady from the outset keeps you from error and is worth keeping up.',
  'You can halt your own legs but not the person you follow, who rushes on and carries you along. You cannot stop the mistake, and this weighs on your heart.',
  'Forcing stillness on the hips stiffens the whole spine. Suppressing restlessness by force is dangerous and makes the heart burn.',
  'You calm the trunk, the seat of your own desires. You have not yet mastered everything, but you are free of fault.',
  'Hold your tongue until you have something to say; then your words come out measured and in good order, and there is nothing to regret.',
  'Stillness that comes from a generous, settled heart crowns the whole effort. This brings good fortune.',
  'Keeping Still, moved in all six lines, opens into The Joyous (58): deep calm becomes shared gladness. Let the peace you found show itself in warmth and easy exchange with others.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  52,
  53,
  'Development',
  'Development',
  'Jiàn',
  6,
  4,
  'A tree grows on a mountain, slowly and with firm roots. Like a bride who moves to her new home through every proper step, good development proceeds gradually and in the right order. Patience is what lets it last.',
  'Move step by step and respect the proper order. As with a wedding prepared with due care, this gradual way brings good fortune. Work on your own character first, and you will slowly lift the ways of those around you.',
  'Like a wild goose coming down to the water''s edge, you take a first tentative step. Being new and alone, you are vulnerable and people may criticise you, but moving slowly keeps you out of real trouble.',
  'Like a goose settling on a broad, safe rock, you have found a secure place. Enjoy your food and drink in peace, and share your good fortune with others.',
  'The goose has strayed onto dry high ground, out of its element. Forcing the pace here means a man who leaves and never returns and a child that is never born; rather than pressing on, guard what you already have.',
  'A goose perched in a tree is in the wrong place for its webbed feet, yet it may find a flat branch to stand on. Adapt sensibly to an awkward position and you will not go wrong.',
  'The goose reaches the hilltop. Misunderstanding may keep a couple childless for years, but in the end nothing can keep the true union from bearing fruit.',
  'The goose soars above the heights, and its feathers are used to adorn the sacred dance. A life that has completed its course becomes an example that lifts others.',
  'The slow, proper path of Development, fully reversed, turns into The Marrying Maiden (54), a hurried union without secure standing. What is gained outside the due order needs tact and modesty to last.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  11,
  54,
  'The Marrying Maiden',
  'Marrying',
  'Guī Mèi',
  1,
  3,
  'Thunder moves over the lake and the lake ripples in answer. A young woman enters a household as a secondary wife, not by her own choice and without secure standing. Relationships built on attraction alone, without a proper framework, remain fragile.',
  'Pushing forward now would lead to misfortune; nothing is to be gained by it. Keep the end in mind, and see the passing moment in the light of what endures.',
  'You enter in a lesser role, limping yet still able to walk. Your standing is humble, but with tact and quiet loyalty you can get things done, and it turns out well.',
  'You see with one eye only, like someone whose partner has let them down. Stay faithful to your own way, even in loneliness.',
  'You wanted a high place but settled for the role of a servant. Lowering yourself to win a position gives you nothing worth having; it would be better to wait.',
  'Rather than settle for an unworthy match, she lets the usual time go by. Holding out is right; the right partner comes later, in due season.',
  'A woman of high birth marries beneath her station and dresses more simply than her attendant. She needs no display; her quiet modesty, like a moon not quite at the full, is what brings good fortune.',
  'The ceremony goes through its motions, but the basket is empty and the sacrifice bloodless. Form has been kept while substance is gone, and nothing can grow from it.',
  'All six lines of The Marrying Maiden in motion lead to Development (53). What began in haste and without standing can still be set right by taking slow, proper steps and letting trust grow.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  13,
  55,
  'Abundance',
  'Abundance',
  'Fēng',
  1,
  5,
  'Thunder and lightning arrive together: movement joined with clarity produces fullness. This is a peak, like the sun at noon, and every peak is followed by decline. The greatness of the moment is real, but it cannot last.',
  'Fullness brings success, and a true leader can reach it. Rather than mourning that the high point will pass, give light to everything around you while you stand at noon. Settle disputes and judge cases clearly while the light is strong.',
  'You meet a partner whose strength complements your own, and you can work side by side through a whole cycle without fault. Go ahead; you will be welcomed.',
  'A thick screen shuts out the light so that stars can be seen at midday: the leader is surrounded by shadows. Pushing forward will only bring suspicion; win trust through inner sincerity and it turns out well.',
  'The darkness grows so dense that only the dimmest stars show, and your strong right arm is broken. You are made powerless by circumstance, which is no failing of yours.',
  'The screen still darkens the noon sky, but you find a leader of your own kind. Joining forces with them brings good fortune.',
  'You draw capable people to you and listen to them; blessing and renown follow. It goes well.',
  'You have built a splendid house and then hidden inside it with your family. When at last you look out of the gate, there is no one left to see, and years pass in emptiness. Pride that shuts out the world ends in misfortune.',
  'Abundance breaks up when every line changes, and Dispersion (59) takes its place. Let go of what has become rigid, and gather people anew around what truly unites them.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  44,
  56,
  'The Wanderer',
  'Wanderer',
  'Lǚ',
  5,
  4,
  'Fire runs across the mountain, flaring briefly and moving on, while the mountain stays put. The wanderer is a stranger without a settled home, dependent on the goodwill of others in unfamiliar places.',
  'Small successes come through reserve and good conduct. A traveller should be modest, choose companions carefully and keep to what is right. Deal with disputes clearly and promptly, and do not let them linger.',
  'Fussing over trifles and haggling over small advantages while far from home makes you look mean, and trouble follows.',
  'Because you carry yourself modestly, you find a place to stay, your resources stay safe, and a faithful young helper attaches himself to you.',
  'Overbearing behaviour and meddling cost you your shelter, and even your helper no longer stands by you. You are in danger.',
  'You find a place to stay, regain your means and even a tool to protect yourself, yet your heart is uneasy. You have shelter but are still a stranger, always on guard.',
  'You bring down a pheasant with a single arrow: a well-judged gesture opens the door. Your skill is recognised, and praise and a position follow.',
  'Like a bird whose nest catches fire, you destroy your own refuge through arrogance. What started with laughter ends in tears, and by carelessly losing your gentleness you lose everything.',
  'For The Wanderer, a change in every line means Limitation (60). The restless traveller must now accept boundaries and find the measure and structure that give life a direction.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  54,
  57,
  'The Gentle',
  'Gentle Wind',
  'Xùn',
  6,
  6,
  'Wind follows wind and gets into every crack. In each half a single yielding line lies beneath two strong ones, so influence works softly but never lets up, the way a steady breeze bends the grass. Lasting effects come from persistent, quiet penetration rather than from force.',
  'Success comes in small, steady measures. It helps to have a clear aim and to look to someone wise for direction. Make your intentions known and repeat them until they take root.',
  'You keep stepping forward and back, unable to decide. What you need is the firm resolve of a soldier who has been given an order.',
  'Something harmful is hiding in dark corners, like a thing lurking under the bed. Track it down patiently and call on people skilled at bringing hidden things into the open; doing so turns out well and is no fault.',
  'You go over the matter again and again until the moment for acting has passed. Endless deliberation ends in embarrassment.',
  'Regret vanishes. Acting with modesty and energy together, you come home from the hunt with game of three kinds: your effort meets every need.',
  'Steadiness pays and regret vanishes. The start was not good, but the end will be: before making the change, think it through for three days, and after it, watch closely for three more.',
  'Searching too deep into hidden corners, you lose your means and the very tool you would defend yourself with. Yielding has gone too far and sapped your strength; holding to this course brings misfortune.',
  'The Gentle with all lines changed is The Arousing (51), thunder in place of wind. Be ready to act boldly where quiet, patient influence has reached its limit.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  27,
  58,
  'The Joyous',
  'Joyous',
  'Duì',
  3,
  3,
  'Two lakes lie side by side and keep each other fresh. Each trigram is strong within and soft on the surface: firm inner conviction shown through gentle, cheerful manners. Real joy rests on that inner strength, not on the chase after pleasure.',
  'Joy brings success as long as it stays true to what is right. Warmth and good humour win people''s hearts better than pressure. Friends who talk things through and practise together keep each other''s joy alive.',
  'You are content within yourself and need nothing from outside to be happy. Quiet, self-sufficient gladness brings good fortune.',
  'Your joy is honest, and you do not stoop to cheap amusements even when they are on offer. Doubts fall away and things go well.',
  'You go looking for pleasure outside yourself and let diversions come pouring in. An emptiness inside that is filled from outside leads to misfortune.',
  'You keep weighing one kind of pleasure against another and cannot settle. Choose the higher and turn your back on the lower, and real happiness follows.',
  'You are giving your trust to something that is quietly wearing you down. Open-heartedness toward what corrodes you is dangerous.',
  'You let yourself be drawn along by the lure of pleasure, away from your own centre. Where this leads depends on whether you notice the pull in time.',
  'With all six lines changing, The Joyous becomes Keeping Still (52). After delight comes stillness; let the warmth of shared joy settle into quiet, centred rest.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  50,
  59,
  'Dispersion',
  'Dispersion',
  'Huàn',
  6,
  2,
  'Wind blows over the water, breaking up ice and scattering mist. Hardened barriers and selfish separations begin to dissolve. What scatters people can be overcome by something that gathers them again: a shared devotion, a common aim.',
  'Success. Bring people together around what is sacred or common to them all, as rulers once did at the great temple. It is a good time for a bold crossing, provided you keep to what is right.',
  'Step in with strong, swift help at the very first sign of division, before the rift hardens. Acting early turns out well.',
  'As things fall apart, hurry to whatever can steady you, whether a person, a practice or a principle. Regret fades.',
  'You let your own self-importance melt away for the sake of a larger task. There is nothing to regret in that.',
  'You loosen your ties with your own clique and its narrow interests, and that proves supremely fortunate. Only by breaking up the small circle can a wider gathering form, something that does not occur to most people.',
  'A great, rousing call goes out from the leader and breaks up the stiffness the way a fever breaks in a sweat. Someone at the centre who does this is beyond reproach.',
  'You remove what threatens bloodshed, for yourself and your own, and keep them at a distance from danger. Going away and staying clear is not a fault.',
  'Dispersion turned over in every line is Abundance (55). What was scattered comes together in fullness; rejoice at the peak, but remember that every abundance is temporary.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  19,
  60,
  'Limitation',
  'Limitation',
  'Jié',
  2,
  3,
  'Water lies above the lake, and the lake can hold only so much before it spills over. Limits give shape to life, as the joints give strength to a stalk of bamboo. Measure creates a freedom that has form.',
  'Setting limits brings success, but limits that are too harsh cannot be kept and turn bitter. Establish clear measures for spending and for conduct, and examine what is truly right.',
  'Stay inside your own doors for now. Knowing that the moment is not right, and keeping quiet about your plans, keeps you from error.',
  'The gate is open and the time to act has come, yet you stay at home. Hesitating when you should move leads to misfortune.',
  'You set no bounds for yourself and now must sigh over the result. There is no one else to blame.',
  'You accept your limits calmly, as something natural. Being at ease with your boundaries brings success.',
  'You set limits gently, beginning with yourself, so that others find them agreeable. This goes well, and carrying on this way earns respect.',
  'The restrictions have become harsh and bitter. Holding on to them stubbornly goes badly, although in some matters sheer strictness can save you from regret.',
  'If every line changes, Limitation becomes The Wanderer (56). Boundaries fall away and you find yourself on the road; take with you the sense of measure you learned, and move through strange places lightly and with care.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  51,
  61,
  'Inner Truth',
  'Inner Truth',
  'Zhōng Fú',
  6,
  3,
  'Wind moves over the lake and stirs the water to its depths. Two yielding lines lie at the heart of the figure, an open centre held by strong lines on either side: a heart free of prejudice and therefore able to reach others. Sincerity of this kind touches even the most stubborn and unreachable.',
  'Inner truth brings good fortune even with those who are hardest to reach, as unthinking as pigs and fish. Such sincerity makes great crossings possible. Hold steady, and when judging others, look for understanding before you condemn.',
  'Be ready and stand on your own firm ground. Side arrangements and hidden designs would only unsettle you.',
  'A crane calls from the shade and its chick calls back. True feeling carries without being seen and draws an answer from kindred hearts, who share what is good with one another.',
  'Your happiness hangs on a companion, and so your mood swings between eager action and sudden halt, between tears and song. When your centre lies in someone else, you cannot steady your own heart.',
  'The moon is almost full, and one horse of the pair strays from its partner. Turning toward what is higher means letting go of partisan ties, and that is no fault.',
  'Your sincerity binds people together as firmly as a knot. There is nothing to reproach.',
  'A rooster''s crow tries to climb to heaven. Words that promise far more than the heart behind them can deliver lead to misfortune if you insist on them.',
  'All lines changing turn Inner Truth into Small Exceeding (62). The open heart now has to show itself in care with little things; stay humble, attend to details and do not reach for the heights.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  12,
  62,
  'Small Exceeding',
  'Small Excess',
  'Xiǎo Guò',
  1,
  4,
  'Thunder over the mountain: the sound is close and does not carry far. Two strong lines are shut in by four yielding ones, so the small outweighs the great. Like a bird, one should stay low; modest, careful conduct goes further than lofty ambition.',
  'Success comes by doing small things well; this is not the time for great undertakings. A bird that flies too high loses its way, while one that keeps near the ground is safe. Lean a little toward excess only in modesty, in mourning and in thrift.',
  'A young bird tries to fly before it is ready and meets with harm. Stay in the nest; reaching too soon brings misfortune.',
  'You do not reach the highest person and are received instead by someone close to them. Accept the lesser meeting, keep to your place, and nothing can be held against you.',
  'Feeling sure of your strength, you think caution is beneath you. That is exactly when an attack comes from where you are not looking; guard your back, or misfortune follows.',
  'Nothing is wrong as long as you take things as they come rather than trying to get past them. Pressing ahead would be dangerous; stay alert, hold back, and be constant.',
  'Dense clouds gather but no rain falls. A leader who wants to achieve something must go and find capable helpers in the hidden places where they live, as a hunter draws game out of a cave.',
  'You overshoot and miss the mark altogether, like a bird that flies too high and is caught in a net. Pushing beyond all measure brings misfortune and self-inflicted harm.',
  'Small Exceeding, changed throughout, becomes Inner Truth (61). Caution with little things deepens into sincerity of heart; now let your inner conviction speak, and it will reach even those far away.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  21,
  63,
  'After Completion',
  'Completed',
  'Jì Jì',
  2,
  5,
  'Water stands above fire, like a kettle over a flame: each force is in its place. Every line sits exactly where it belongs, strong in the strong places and yielding in the yielding ones. The order is perfect, and precisely for that reason it is fragile; the slightest slip can upset it.',
  'The great work is done, and now only small matters succeed. Beginnings go well, while things tend to slide into disorder at the end. Think ahead about what could go wrong and guard against it before it happens.',
  'You brake the wheels and get only your tail wet: you hold back from rushing after the general success. That restraint keeps you safe.',
  'Like a woman who has lost the screen of her carriage and cannot go out, you are for a moment denied recognition. Do not chase it; what is yours will come back within a short time.',
  'A great ruler needs years to subdue a wild border country. Extending a settled order takes long, costly effort, and it must not be entrusted to petty people.',
  'Fine garments are wearing into rags, and a leak appears in the boat. Stay alert all day long; small signs of decay are warnings.',
  'The neighbour who sacrifices a whole ox receives less blessing than the one who makes a small, sincere offering. In times of prosperity, simplicity of heart counts for more than display.',
  'Having made the crossing, you turn back and plunge in again until the water closes over your head. Looking back and repeating the risk is dangerous.',
  'When all six lines change, After Completion becomes Before Completion (64). The finished state tips back into one where nothing is yet in place; every ending holds a new beginning, so prepare carefully for the next crossing.'
);

INSERT INTO ENGLISH_DEFAULT (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, ShortName, China_phonics, above, below, DESCRIPTION, JUDGEMENT, first, second, third, fourth, fifth, sixth, all_nines) VALUES (
  42,
  64,
  'Before Completion',
  'Unfinished',
  'Wèi Jì',
  5,
  2,
  'Fire sits above water: the flames rise and the water sinks, so the two never meet. Not one line stands in its proper place, yet each has a partner in the other trigram. Order has not yet come, but everything is poised to move toward it, like spring at the end of winter.',
  'Success is possible, but only with great care. A young fox that has almost crossed the stream and then gets its tail wet has wasted the whole effort. Sort things out patiently so that each finds its proper place.',
  'You rush in and get your tail wet. Pushing ahead before you can see the way across leads to embarrassment.',
  'You brake your wheels and hold back. Steady restraint, not lack of will, brings good fortune.',
  'The crossing is not yet made, and attacking now would go badly. Find fresh support, change your approach, and then the great water can be crossed.',
  'Stay steady and regret vanishes. Now is the time for a determined, sustained campaign; like a long war on the frontier it takes years, but great rewards follow.',
  'Steady conduct has paid off and nothing is left to regret. Your clear and honest character now shines out and wins people''s trust; the goal is within reach.',
  'Celebrate with a drink in good confidence; there is nothing wrong with that. But if you get so drunk that you soak your own head, you lose the very thing you achieved.',
  'Before Completion arrives at After Completion (63) when every line turns. What was still in disorder falls into place; enjoy the arrival, but keep the care you needed on the way, for perfection is where decline begins.'
);
