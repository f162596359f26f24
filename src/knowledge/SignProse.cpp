// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"

namespace orbelle::modLearnAstrology::prose {

const std::array<std::string_view, 12> SignPositiveTraits = {
    // Aries
    "The zodiac begins with you. Aries opens the astrological year at the spring equinox, and something of that first "
    "green push lives in your character: you are a pioneer, never more alive than when you break new ground. Your "
    "glyph draws the ram's horns, and you meet life as the ram does, head first and self-reliant, ready to learn from "
    "your own mistakes rather than follow a plan you cannot believe in. From Mars you take courage and energy in "
    "abundance, so that while others hesitate you have already started. Your mind moves as fast as your feet, "
    "analysing a problem in moments and cutting straight to its answer. And because you are fire, a contest warms you: "
    "you play to win, and every rival sharpens your game.",
    // Taurus
    "Earth makes you practical: you trust what you can see, touch and test for yourself, and you build your plans to "
    "carry weight. Your affections belong to Venus, so you love warmly and show devotion through comfort, care and "
    "closeness. Her other gift is a sure hand with money: you earn steadily, spend with judgement and fill your home "
    "with lovely things made to last. Bulls graze unhurried and let time do its work; patience, for you, is less a "
    "virtue you practise than the rhythm you live by. Steadiness comes with a fixed sign, and people learn to rely on "
    "you: you finish what you start, you keep your word once it is given, and your loyalty to family and friends "
    "weathers every season.",
    // Gemini
    "Gemini's twins promise two people in one, and you often seem exactly that, versatile enough to pursue two "
    "callings at once and do justice to both. Mercury, the gods' messenger, rules your sign and lends you his "
    "quicksilver wit, and as a mutable air sign you fit into almost any company, picking up its language within "
    "minutes. Curiosity keeps your intelligence lively, yet where a subject grips you, you are surprisingly patient, "
    "happy to explain an idea a third time until a friend sees it. Change holds no fear for you; a new job, town or "
    "plan feels like an open window. Your appetite for learning lasts a lifetime: you read, ask and listen, then pass "
    "on what you find to anyone within earshot.",
    // Cancer
    "Born into water, you feel your way through life before you reason it out. The Moon rules you and tunes you to "
    "every shift of feeling nearby, so that you catch a change of mood others miss and hear trouble in a friend's "
    "voice. Your own feelings, joy and sorrow alike, run strong and close to the surface, and you weep at a film or a "
    "wedding without the least embarrassment. Mothering is the Moon's gift, and your kindness is practical: you "
    "remember birthdays, cook for the sick and keep your door open to anyone in pain. Your ruler also guards the "
    "past, and memories and dreams feed a teeming imagination. It thrives inside the crab's shell, the introvert's "
    "retreat where you spend quiet hours alone or with a few trusted friends. From that shelter comes your "
    "soft-spoken manner: you never shout, yet people lean in to catch every word.",
    // Leo
    "The Sun rules Leo, and you share its place at the centre of things, radiating a warmth in which even strangers "
    "find themselves basking. Its pull becomes your personal magnetism, and before long any room you enter has quietly "
    "turned to face you. You lead as a lion leads its pride, by example and in plain view: assertive and sure of your "
    "own mind, you take charge, make the decisions and stand behind them, and others follow because they trust you. "
    "The limelight suits you: on a stage, at a party or with a microphone, you shine. Leo rules the heart, and yours "
    "is a generous one. You are lavish with your hospitality, your money and your praise, and openly delighted "
    "whenever friends and colleagues do well. Your fire is of the fixed kind, burning steadily instead of flaring up, "
    "and its even heat leaves you broad-minded, quick to forgive the small faults of the people around you. ",
    // Virgo
    "Modesty suits a sign whose symbol is a maiden with a sheaf of wheat: the harvest matters, not the harvester, and "
    "you let the work take the credit. Mercury gives you an eye for detail, and earth puts it to use; together they "
    "make you a perfectionist with sound judgement, and friends bring you problems because your advice rarely fails. "
    "Mess offends such precision, and your rooms stay spotless. Crops will not wait, so you plan with care and keep "
    "time like the turning year.",
    // Libra
    "Alone among the signs, yours has an object for its symbol, not a creature: the scales. Balance is what you bring "
    "to every gathering. By instinct you are a diplomat who sees each side of a quarrel and finds the words that let "
    "both parties step back without losing face. Venus lends you a charm that puts strangers at ease and a romantic "
    "heart that longs to be shared; you notice the flowers, the letter, the kind gesture. The same planet makes you "
    "elegant in your dress, your speech and your home. Air keeps you a light-hearted optimist who expects the best of "
    "people and is often proved right. Cardinal signs begin things, and Libra begins them in company: you know that "
    "fair partnership achieves more than rivalry.",
    // Scorpio
    "Half-measures are foreign to you. A friendship, a job or a cause gets all of you: Pluto, lord of the underworld, "
    "and red, warlike Mars share the rule of Scorpio, and together they feed an intensity that rarely slackens. Once "
    "you have chosen a course, your strong will, fixed like your sign, lets neither persuasion nor setbacks nor "
    "flattery turn you from it. That determination keeps you at work long after the rest have given up, with the "
    "physical and emotional energy to last for months. Yet, like deep water, you show the world a calm, composed "
    "surface that gives little away. Beneath it lies an aggression you keep in check, the scorpion resting in the "
    "shade, and those who mistake your stillness for softness learn otherwise.",
    // Sagittarius
    "You always want to see what lies round the next bend. Happy-go-lucky, you take each day on trust, and Jupiter's "
    "generosity rewards it so often that you rarely worry. Your good humour is catching, and even bad news takes a "
    "positive turn in your telling. Like the archer of your sign, who aims at a mark far beyond the field, you are "
    "adventurous, looking past the familiar towards foreign countries, new subjects and untried ideas. Fire gives you "
    "the nerve to act on these longings. You back a new venture before the doubters have done their sums, and your "
    "enterprise and enthusiasm win them over. Routine cramps you, for a mutable sign needs room to move. For all your "
    "jokes, you are an idealist with a firm faith in truth and fairness, and the big questions that keep you awake "
    "may lead you to philosophy, religion or teaching.",
    // Capricorn
    "Hard work carries you up the mountain one tested foothold after another, the goat's way, to summits that quicker "
    "rivals never see. Time is Saturn's province, and under its rule you respect whatever has lasted: old customs, "
    "proven methods and the lessons of those who went before. Stable as your element, earth, you are the ground "
    "others stand on when everything else is shifting. Saturn's gravity shows early: as a child you took your duties "
    "to heart, and you still face life seriously, weighing every risk and handling money with the prudence of someone "
    "who knows how hard it is earned. You are your own strictest judge, and that self-criticism keeps you improving. "
    "Your friends are few, but you hold them for life, as true to them as they are to you.",
    // Aquarius
    "Your care reaches well beyond your own circle to humanity as a whole, poured out as freely as the water-bearer's "
    "jar. That is the humanitarian in you: you want society to treat all its members fairly, and you give time and "
    "thought to causes that will never repay you. People find you magnetic, though what draws them is less charm than "
    "the originality of your ideas and the frankness of your friendship. Saturn, the older of your rulers, teaches you "
    "to weigh both sides before you decide, whatever your first leanings. Uranus, the newer, makes you unconventional, "
    "content to go your own way while others stare. Air is the element of thought, and science, invention and social "
    "reform feed an intellect always hunting for the next idea.",
    // Pisces
    "Water takes the shape of whatever holds it, and your mutable sign is readier still to change, so you settle into "
    "unfamiliar streets and circles without fuss. Your two rulers divide their gifts. Benevolent Jupiter makes you "
    "friendly and good-natured, free with your time and slow to think ill of anyone; mystical Neptune grants a "
    "sensitivity that borders on the psychic, so you feel the sorrow behind a bright smile and answer it gently. Such "
    "warmth keeps you popular, and people of every sort relax when you are near. Your imagination often finds its way "
    "into music, painting or poetry. Yet however far the two fishes swim, you are home-loving at heart, happiest in a "
    "quiet, comfortable house where you can rest and dream.",
};

// Appended directly to the main part of Leo's paragraph (SignPositiveTraits[4]).
const std::string_view LeoPositiveTraitsTail =
    "You never break a promise. You organise superbly. Your style is flamboyant.";

const std::array<std::string_view, 12> SignNegativeTraits = {
    // Aries
    "Going first comes so easily to the zodiac's opening sign that you start to believe you deserve to. That is where "
    "arrogance begins, and leadership tips into domination when you give orders instead of asking. From Mars comes a "
    "short temper that flares in a moment and can even turn violent, though the storm soon passes. Your own aims fill "
    "the whole view, leaving you self-centred and blind to what the people beside you need, and slower minds or "
    "dissenting voices meet an intolerance you would never accept from others. Yet a real injury stays with you: you "
    "hold grudges far longer than so quick a temper would suggest.",
    // Taurus
    "Pushed, you plant your feet as the bull does, and nothing will shift you. In love you turn possessive, treating a "
    "partner as one more thing you own. Venus's fondness for comfort breeds laziness, and trusting only what you can "
    "hold, you come to measure everything by its price. Your own fireside is company enough, so friends find you "
    "unsociable; at worst, greed sets in and you hoard against every imagined want.",
    // Gemini
    "Air never settles, and neither do your opinions: you argue one case on Monday and its opposite by Friday, and no "
    "one can pin you down. Mercury's nervous energy hums through you, leaving you tense and unable to switch off. "
    "Pulled two ways by your twins, you tire of tasks and people once the novelty fades: restless at work and fickle "
    "in love, you move on while they are still making plans. Your clever tongue turns cunning when you want something, "
    "and your inquisitiveness pokes into affairs that are not yours.",
    // Cancer
    "Your moods wax and wane with the Moon, and the people closest to you never quite know which of your phases will "
    "greet them. Decisions come hard as well: crab-like, you edge sideways around a choice instead of meeting it "
    "squarely, and the chance slips away while you hesitate. Under the gentle manner runs a shrewd streak, and you use "
    "it to get what you want without ever seeming to ask. Insecurity, the soft body inside the shell, makes you "
    "selfish, quick to save yourself first. Nor can you let go: people, possessions and old hurts stay clasped in your "
    "pincers long after their time has passed.",
    // Leo
    "Wound a lion's pride and you will hear it roar: your temper sleeps through ordinary annoyances, but a slight "
    "wakes it, and it erupts in violence that frightens everyone nearby. A king expects homage, and arrogance tempts "
    "you to look down on the less gifted; a king's word is law, and your convictions become dogma beyond all "
    "question. Your sign is fixed, so you dig in: admitting a mistake feels like losing a crown, and you defend a bad "
    "position even once you know it is wrong. You crave praise and sulk, conceited and hurt, when the spotlight moves "
    "on. Left unchecked, the Sun's wish to shine grows into a hunger for power over everyone within reach.",
    // Virgo
    "Mercury's sharp eye, turned on trifles, makes you fussy, and a mind that hunts for flaws soon starts to worry "
    "about faults that have not yet appeared. All that vigilance wears you out, and you grow unsociable, shunning "
    "company to recover. Your sharpest words are kept for yourself, but under strain they turn outward, and you snap "
    "at whoever is nearest.",
    // Libra
    "Scales that weigh every option may never come to rest, and you deliberate so long that others decide for you. "
    "Expecting fairness, you take people at their word and are easily fooled. Venus adds a flirtatious charm that "
    "strangers misread and a taste for pleasure you indulge too freely. Scenes appal you, so you buy peace at any "
    "cost, even when a firm refusal would serve you better.",
    // Scorpio
    "The scorpion's sting is in your tongue: you are blunt to the point of cruelty, saying exactly what you think and "
    "leaving others to nurse the wound. Pluto draws you towards whatever is hidden, and the investigator in you pries "
    "into other people's secrets while you guard your own. Your calm hides a changeable temper, and a cool mood can "
    "cloud over in an instant. When a friend betrays you or a provocation persists, the aggression you hold down "
    "breaks loose, and you may become violent. Forgiveness comes slowly, if at all.",
    // Sagittarius
    "Your honesty has no brakes: outspoken, you blurt out truths without a thought for the bruises they leave. Like an "
    "arrow that never lands, you fly restlessly from place to place and plan to plan. You chafe at every delay, and "
    "when you feel fenced in, your temper is explosive. Jupiter enlarges everything, your stories included, so you "
    "boast, and promises lightly made are as lightly forgotten, an irresponsibility that costs you friends.",
    // Capricorn
    "Saturn prizes order, and in you it hardens into rigidity: you keep to old routines that stopped serving anyone "
    "years ago, because they are familiar. The goat must climb, and ambition drives you too hard, until status counts "
    "for more than the people you love. Once set on a route, you stubbornly close your ears to every argument against "
    "it; at the top you dominate, running office or household with a heavy hand. Cold Saturn also weighs on your "
    "spirits: dark moods settle for days at a time, and pessimism makes you count the losses before the venture has "
    "begun.",
    // Aquarius
    "Warm towards humanity but cool towards individuals, you take a long time to let any one person close, so real "
    "friendships are slow to form. You can end up a loner, more at ease with a theory than with someone's tears. "
    "Uranus, your modern ruler, leaves you hungry for the new, so a commitment that looked exciting last month is "
    "dropped once a fresher cause appears, and you earn a name for being unreliable. Whimsy sends you chasing notions "
    "that make sense only to you, and you are puzzled when others decline to follow. Hardest to live with is your "
    "unpredictability: plans, opinions and even partners change overnight, and those who love you learn to hold your "
    "arrangements lightly.",
    // Pisces
    "When troubles come you look for sympathy, parading your wounds until someone rescues you. Under Neptune's mists "
    "you turn dreamy, and the practical side of life, from bills to timetables, is lost in them. Appointments slip "
    "your mind and letters go unanswered, until even patient friends stop counting on you. Water seeks the lowest "
    "ground, and at times a deep melancholy pools in you that comfort cannot touch.",
};

} // namespace orbelle::modLearnAstrology::prose
