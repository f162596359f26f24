// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"

namespace orbelle::modLearnAstrology::prose {

const std::array<std::string_view, 12> SignPositiveTraits = {
    // Aries
    "The zodiac begins with you. Aries opens the astrological year at the spring equinox, and something of that first "
    "green push lives in your character: you are a pioneer, never more alive than when you break new ground. Your "
    "glyph draws the ram's horns, and like the ram you meet life head first. Self-reliant, you would rather learn from "
    "your own mistakes than follow a plan you cannot believe in. From Mars you take courage and energy in abundance, "
    "so that while others hesitate you have already started. Your mind moves as fast as your feet, analysing a problem "
    "in moments and cutting straight to its answer. And because you are fire, a contest warms you: you play to win, "
    "and every rival sharpens your game.",
    // Taurus
    "Venus rules your sign and makes you a warm, affectionate lover, one who shows devotion through comfort, care and "
    "closeness. Her other gift is a sure hand with money: you earn steadily, spend with judgement and fill your home "
    "with lovely things made to last. Earth, your element, keeps you practical; you trust what you can see, touch and "
    "test for yourself, and your plans rest on solid ground. There is something of the grazing bull in you, too, "
    "content to let time do its work, so that patience is less a virtue you practise than the pace at which you live. "
    "And because your sign is fixed, you finish what you start, your word, once given, holds, and your loyalty to "
    "family and friends weathers every season.",
    // Gemini
    "Mercury, the winged messenger of the gods, governs Gemini, and you have his quick feet and quicker mind. Mutable "
    "and airy, you fit into almost any company, picking up its language within minutes. Versatile as Gemini's twins, "
    "you seem to be two people at once, each with a project on the go. Your intelligence is lively and curious, and "
    "where a subject grips you, you are surprisingly patient, happy to explain an idea a third time until a friend "
    "sees it. Change holds no fear for you; a new job, town or plan feels like an open window. Eager to learn, you "
    "never stop: you read, ask and listen all your life, then pass on what you find to anyone who will talk.",
    // Cancer
    "Ruled by the Moon and born into water, you feel your way through life before you think it through. Your ruler "
    "tunes you to every shift of feeling around you: you notice a change of mood before anyone speaks, and you hear "
    "trouble in a friend's voice. Soft-spoken and gentle, you seldom need to raise your voice, because people lean in "
    "to listen. Your kindness is practical: you remember birthdays, cook for the sick and keep your door open to "
    "anyone in pain. Your imagination is rich, fed by memories and dreams, for the Moon rules memory too. The crab "
    "carries its shelter with it, and so do you: introverted by nature, you retreat into it for quiet hours alone or "
    "with a few trusted friends. Your feelings, joy and sorrow alike, run strong and close to the surface, and you "
    "pour them into a home that keeps all you love safe.",
    // Leo
    "The Sun rules Leo, and like the Sun you stand at the centre and radiate warmth. People feel it the moment you "
    "walk into a room. There is a real magnetism about you, and groups often turn to you for leadership before you "
    "have spoken a word. You lead as the lion does, from the front: assertive and sure of your own mind, you take "
    "charge, make the decisions and stand behind them, and others follow because they trust you. The limelight suits "
    "you. On a stage, at a party or before a team that looks to you for direction, you shine. Leo rules the heart, and "
    "yours is a generous one. You give freely of your time, your money and your praise, and you are genuinely "
    "delighted when friends and colleagues do well. As a fixed fire sign you burn steadily instead of flaring up, and "
    "your broad-minded outlook lets you see the whole picture and forgive the small faults of the people around you. ",
    // Virgo
    "Your symbol is a maiden carrying a sheaf of wheat, and like a good harvester you are modest about work done well, "
    "happy for the results to speak. Mercury gives you an eye for detail, and earth keeps it practical; together they "
    "make you a perfectionist with sound judgement, and friends bring you their problems because your advice works. "
    "Clean rooms and tidy habits steady you. You plan each step before you move, and you are never late for anything.",
    // Libra
    "Alone among the signs, yours has an object for its symbol, not a creature: the scales. Balance is what you bring "
    "to every gathering. A diplomat by instinct, you see each side of a quarrel and find the words that let both "
    "parties step back without losing face. Venus lends you a charm that puts strangers at ease and a romantic heart "
    "that longs to be shared; you notice the flowers, the letter, the kind gesture. Her gift of elegance shows in your "
    "dress, your speech and your home. Your outlook is optimistic, since you expect the best of people and are often "
    "proved right. Cardinal signs begin things, and Libra begins them in company: you know that fair partnership "
    "achieves more than rivalry.",
    // Scorpio
    "Pluto and Mars share the rule of your sign, and between them they give you an intensity few can match. A "
    "friendship, a job or a cause gets all of you, never a part. Your will is strong, and once you have chosen a "
    "course, neither persuasion nor setbacks will turn you from it. Determined, as fixed signs are, you are the one "
    "still working when everyone else has gone home, with the physical and emotional energy to keep at it for months. "
    "Yet, like deep water, you show the world a calm, composed surface that gives little away. Beneath it, as a "
    "scorpion waits in the shade, lies an aggression you keep in check, which makes you a loyal ally and a dangerous "
    "enemy.",
    // Sagittarius
    "Jupiter, the planet of good fortune, is your ruler, and it shows. You are happy-go-lucky, taking life as it comes "
    "and trusting that things will turn out well, and more often than not they do. Your outlook is positive, and your "
    "cheerfulness lifts everyone around you. Sagittarius is the archer, aiming at a far-off target, and so are you: "
    "adventurous by nature, you long to travel to distant countries, study new subjects and test unfamiliar ideas. "
    "Fire gives you the nerve to act on these longings. You are enterprising, quick to back a new venture, and your "
    "enthusiasm wins others to the cause. Routine cramps you, for a mutable sign needs room to move. For all your "
    "jokes, you are an idealist with a firm faith in truth and fairness, and the big questions that keep you awake may "
    "lead you to philosophy, religion or teaching.",
    // Capricorn
    "Saturn, the planet of time, holds sway over your sign, so you respect whatever has lasted: old customs, proven "
    "methods and the lessons of those who went before. Earth makes you stable, a steady presence that others lean on "
    "when everything else is shifting. Capricorn's goat climbs, and so do you: hard-working and ambitious, you choose "
    "your footing with care and reach summits that quicker rivals never see. With money you are prudent, saving for "
    "the future and weighing every risk. People call you serious, and even as a child you took your duties to heart. "
    "You judge yourself more strictly than anyone else does, and that self-criticism keeps you improving. Your friends "
    "are few, but they are friends for life, and you stand by them as they stand by you.",
    // Aquarius
    "The water-bearer pours out his jar for everyone, and your care, too, reaches beyond your own circle to humanity "
    "as a whole. A humanitarian, you want society to treat all its members fairly, and you give time and thought to "
    "causes that will never repay you. You have a magnetism of an unusual kind: people are drawn less by charm than by "
    "the originality of your ideas and the frankness of your friendship. Saturn, the older of your rulers, teaches you "
    "to weigh both sides before you decide and to set prejudice aside. Uranus, the newer, makes you unconventional, "
    "content to go your own way while others stare. Air is the element of thought, and science, invention and social "
    "reform feed an intellect always hunting for the next idea.",
    // Pisces
    "Water takes the shape of whatever holds it, and you, a mutable water sign, adapt just as easily to new places and "
    "new company. Jupiter, one of your two rulers, makes you friendly and good-natured, generous with your time and "
    "slow to think ill of anyone. Neptune, the other, gives you a sensitivity that borders on the psychic: you feel "
    "the sorrow behind a bright smile and answer it gently. Such warmth makes you popular, and people of every sort "
    "relax in your company. Your imagination often finds its way into music, painting or poetry. Yet however far the "
    "two fishes may swim, you are home-loving at heart, happiest in a quiet, comfortable house where you can rest and "
    "dream.",
};

// Appended directly to the main part of Leo's paragraph (SignPositiveTraits[4]).
const std::string_view LeoPositiveTraitsTail =
    "You never break a promise. You organise superbly. Your style is flamboyant.";

const std::array<std::string_view, 12> SignNegativeTraits = {
    // Aries
    "Going first comes so easily to the first sign that you start to believe you deserve to. That is where arrogance "
    "begins, and leadership turns domineering when you give orders instead of asking. Mars gives you a short temper "
    "that flares in a moment and can even turn violent, though the storm soon passes. Intent on your own aims, you "
    "grow self-centred, blind to what the people beside you need, and slower minds or opposing views meet an "
    "intolerance you would never accept from others. Yet a real injury stays with you: you hold grudges far longer "
    "than so quick a temper would suggest.",
    // Taurus
    "Stubborn as the bull of Taurus, you plant your feet the moment anyone pushes. In love you turn possessive, "
    "treating a partner as one more thing you own. Venus's fondness for comfort slides into laziness, and a sign that "
    "trusts what it can touch is tempted to measure everything by its price. Content by your own fireside, you strike "
    "friends as unsociable; at worst, the wish for security hardens into greed.",
    // Gemini
    "Air never settles, and neither do your opinions: you argue one case on Monday and its opposite by Friday, and no "
    "one can pin you down. Boredom is your enemy, and once a task stops being new you grow restless and drift to the "
    "next. Mercury's nervous energy hums through you, leaving you tense and unable to switch off. Friends and lovers "
    "call you fickle, gone before they were ready. Your clever tongue turns cunning when you want something, and an "
    "inquisitive streak pokes into affairs that are not yours.",
    // Cancer
    "Your moods wax and wane with the Moon, and the people closest to you never quite know which of your phases will "
    "greet them. Decisions come hard as well: crab-like, you edge sideways around a choice instead of meeting it "
    "squarely, and the chance slips away while you hesitate. Under the gentle manner runs a shrewd streak, and you use "
    "it to get what you want without ever seeming to ask. Insecurity makes you selfish, quick to protect yourself "
    "first. Worst of all, you cannot let go. People, possessions and old hurts stay clasped in your pincers long after "
    "their time has passed.",
    // Leo
    "Wound a lion's pride and you will hear it roar. Your temper is slow to wake, but a slight sets it off, and at its "
    "worst it turns violent and frightens everyone nearby. A king expects homage, and arrogance tempts you to look "
    "down on those you judge less gifted. Like every fixed sign, you dig in: admitting a mistake feels like losing a "
    "crown, so you defend a bad position long after you know it is wrong. Praise becomes a need, and you sulk, "
    "conceited and hurt, when the spotlight moves on. Your convictions harden into dogma that no one may question. "
    "Left unchecked, the Sun's wish to shine becomes a hunger for power over everyone within reach.",
    // Virgo
    "Mercury's sharp eye, turned on trifles, makes you fussy, and a mind that spots every flaw soon starts to worry "
    "about flaws that have not yet appeared. Tired by all that vigilance, you turn unsociable and retreat from "
    "company. The harshest critic you face is yourself, and under strain that critic turns outward, so that you snap "
    "at whoever is nearest.",
    // Libra
    "Scales that weigh every option may never come to rest, and the moment to act passes while you are still "
    "deliberating. A trusting nature leaves you gullible, and charm slips into flirtation that others misread. "
    "Pleasure tempts you, and you indulge yourself more than is good for you. Hating a scene, you buy peace at any "
    "cost, even when a firm refusal would serve you better.",
    // Scorpio
    "The scorpion's sting is in your tongue: you are blunt to the point of cruelty, saying exactly what you think and "
    "leaving others to nurse the wound. Pluto draws you towards whatever is hidden, and the investigator in you turns "
    "prying, digging into other people's secrets while you guard your own. Your calm hides a changeable temper, and a "
    "cool mood can turn stormy without warning. When someone betrays your trust or pushes you too far, the aggression "
    "you hold down breaks loose, and you may turn violent. Forgiveness comes slowly, if at all.",
    // Sagittarius
    "Your honesty has no brakes: outspoken, you blurt out truths without a thought for the bruises they leave. "
    "Restless, you drift from place to place and plan to plan like an arrow that never lands. Delays make you "
    "impatient, and when you feel fenced in, your temper is explosive. Jupiter enlarges everything, your stories "
    "included, and you boast; promises made lightly are as lightly forgotten, which friends rightly call "
    "irresponsible.",
    // Capricorn
    "Saturn's love of rules can set into rigidity, and you keep to old routines long after they have stopped serving "
    "anyone. Ambition drives you too hard, until status and success count for more than the people you love. On a "
    "chosen path you are stubborn, deaf to other views and to every argument. Given authority, you demand obedience "
    "instead of earning respect, and colleagues find you domineering. Saturn is a cold, heavy planet, too. Dark moods "
    "settle on you for days at a time, and a pessimistic streak makes you count the losses before the venture has "
    "begun.",
    // Aquarius
    "Your friendliness has a cool edge. You like people in general but take a long time to let any one person close, "
    "so real friendships are slow to form. At ease with ideas, you drift into the life of a loner, more comfortable "
    "with a theory than with someone's tears. Uranus makes you hungry for the new, so a commitment that looked "
    "exciting last month is dropped once a fresher cause appears, and you earn a name for being unreliable. A "
    "whimsical streak sends you after notions that make sense only to you. Most of all you are unpredictable: plans, "
    "opinions and even partners change without warning, and those who love you never feel quite settled.",
    // Pisces
    "When life turns hard you look for sympathy, casting yourself as the victim and waiting to be rescued. Neptune's "
    "mists make you dreamy, and the practical side of life, from bills to timetables, slips through your fingers. "
    "Appointments are forgotten and promises drift, so friends learn that you are unreliable. At times a deep "
    "melancholy rises in you, and you withdraw into a sadness no one can reach.",
};

} // namespace orbelle::modLearnAstrology::prose
