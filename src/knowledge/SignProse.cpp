// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"

namespace orbelle::modLearnAstrology::prose {

const std::array<std::string_view, 12> SignPositiveTraits = {
    // Aries
    "New ground calls to you. You are a natural pioneer, happiest when you are the first to try something or to "
    "explore unknown territory. You rely on yourself rather than waiting for others to show you the way, and you "
    "would rather make your own mistakes than follow a plan you do not believe in. Courage comes easily: when others "
    "hesitate, you act, and your boldness often persuades friends and colleagues to follow. Your mind is quick and "
    "analytical, able to size up a problem swiftly and find a direct route to its solution. A great store of physical "
    "and mental energy lets you throw yourself into every project with enthusiasm. Competition brings out your best; "
    "you love a challenge, you play to win, and each contest spurs you to improve.",
    // Taurus
    "Patience is one of your quiet strengths: you work slowly and steadily towards a goal and are content to wait for "
    "the results. You take a practical, down-to-earth view of life and trust what you can see, touch and test for "
    "yourself. People know that they can rely on you, because once you have given your word you keep it, and you "
    "finish what you start. Your loyalty to family and friends runs deep, and you stand by them through good times "
    "and bad. In love you are warm, affectionate and devoted, showing your feelings through comfort, care and "
    "physical closeness. Handling money is another of your talents. You earn it carefully, spend it wisely and enjoy "
    "building a secure home filled with beautiful, well-made things that last.",
    // Gemini
    "Few people adapt as readily as you do. You are quick on your feet, able to fit into almost any situation and to "
    "get along with nearly anyone. When a subject interests you, you can be surprisingly patient, explaining an idea "
    "again and again until others understand it. You are versatile and gifted in many directions, and you often "
    "juggle several projects or hobbies at the same time. Your intelligence is lively and curious, and you grasp new "
    "ideas quickly and easily. Change does not frighten you; you welcome it, seeing each new situation as a fresh "
    "opportunity. Your eagerness to learn lasts all your life: you keep reading, talking and asking questions, then "
    "pass on what you discover in conversation, letters and writing of every kind.",
    // Cancer
    "Your sensitivity shows in the way you read a room. You are finely tuned to the moods and feelings of everyone "
    "near you, often sensing that something is wrong before a word has been spoken. You tend to be soft-spoken and "
    "gentle in manner, and you rarely need to raise your voice to be heard. Kindness comes naturally: you look after "
    "others, remember what matters to them and offer comfort when they are hurt. Your imagination is rich and vivid, "
    "fed by memories, dreams and a strong sense of the past. You are something of an introvert and need time alone, "
    "or with a few trusted people, to recover your strength. Your emotions run deep, and you feel both joy and sorrow "
    "very strongly. Home and family stand at the heart of your life, and you work hard to create a safe, warm and "
    "caring place where those you love can feel protected.",
    // Leo
    "Leadership comes to you as naturally as breathing, and your warm, magnetic personality draws people to you "
    "wherever you go. When you walk into a room others notice, and you usually find yourself at the centre of things "
    "without even trying. You are assertive and confident, willing to take charge, make decisions and stand behind "
    "them. People follow you gladly because you lead by example. The limelight suits you, and you shine whenever you "
    "have an audience, whether on a stage, at a party or in front of a team that looks to you for direction. Your "
    "heart is big and your generosity is real; you give freely of your time, your money and your encouragement, and "
    "you take genuine pleasure in seeing others do well. A broad-minded, tolerant outlook lets you see the larger "
    "picture and forgive small faults in others. Dignity and pride matter to you, and you try to live up to the high "
    "standards you set for yourself. ",
    // Virgo
    "Modesty sets you apart: you prefer to let your work speak for itself rather than boast about it. As a "
    "perfectionist you pay close attention to detail, and you are rarely satisfied until a job is done properly. Your "
    "judgement is sound and sensible, so people often come to you for practical advice. Cleanliness and order matter "
    "to you in your home, your work and your health. You plan carefully before you act, and punctuality is a point of "
    "honour: you arrive on time and keep to schedules.",
    // Libra
    "A natural diplomat, you can see every side of an argument and find the words that bring opposing people "
    "together. Your charm is easy and genuine, and you make others feel welcome and appreciated. At heart you are a "
    "romantic, happiest when you share your life with a partner, and you value courtesy, affection and thoughtful "
    "gestures. You have an elegant sense of style and a love of beauty, art and harmony in your surroundings. Your "
    "outlook is optimistic, and you prefer to expect the best of people and of life, even when times are hard. "
    "Cooperation appeals to you far more than competition, for you believe that fair partnerships and shared effort "
    "produce better results than anyone could achieve alone.",
    // Scorpio
    "Intensity marks everything you do. You feel deeply and commit fully to whatever you choose to take on. Your will "
    "is strong, and once you have decided on a course of action very little can turn you from it. You are determined "
    "and persistent, able to keep going long after others have given up, and you often succeed through sheer staying "
    "power. Great reserves of energy, both physical and emotional, let you focus on a single goal with remarkable "
    "force. On the surface you usually appear calm, controlled and self-possessed, giving little away, but beneath "
    "that quiet exterior lies a powerful, latent aggression that you keep in check. This hidden strength makes you a "
    "loyal and formidable ally, and an opponent few would care to cross.",
    // Sagittarius
    "Happy-go-lucky and cheerful, you take life as it comes and trust that things will work out well in the end. Your "
    "outlook is positive and your good humour is infectious, so people enjoy your company and feel lighter when you "
    "are around. Adventurous by nature, you love to explore, whether that means travelling to distant countries, "
    "studying new subjects or trying out unfamiliar ideas. Routine bores you, and you need plenty of freedom and open "
    "space to feel truly alive. You are enterprising and ready to take a chance on a new venture, and your enthusiasm "
    "often persuades others to join you. You are also an idealist, with a strong belief in truth, fairness and the "
    "possibility of a better world. That search for meaning may lead you towards philosophy, religion or teaching, "
    "and you gladly share what you learn with anyone who will listen.",
    // Capricorn
    "You respect tradition and value the lessons of the past, preferring tried-and-tested methods to passing "
    "fashions. Stable and dependable, you are a steady presence that others gladly lean on when life becomes "
    "uncertain. You are hard-working and ambitious in a patient way, prepared to climb slowly towards your goals one "
    "careful step at a time. With money and resources you are prudent, thinking ahead, saving for the future and "
    "rarely taking unnecessary risks. Your manner is serious and responsible, and as a child you often seemed older "
    "than your years. You are self-critical and hold yourself to high standards, which pushes you to keep improving. "
    "Your friends may be few, but those you choose stay loyal to you for life, and you return that loyalty in full.",
    // Aquarius
    "You have a magnetic personality, and your originality and friendliness attract a wide circle of people. A "
    "humanitarian at heart, you care for the welfare of society as a whole and want to help build a fairer world. "
    "Before you form an opinion you like to weigh both sides of a question carefully, and you try to judge matters on "
    "their merits rather than by prejudice. You are unconventional and independent, happy to go your own way and "
    "untroubled when others find your ideas unusual. Your mind is sharply intellectual, drawn to science, invention, "
    "social reform and new ways of thinking. Truth and freedom rank high among your values, and you respect the right "
    "of every person to be themselves. Many people see you as a visionary, well ahead of your time.",
    // Pisces
    "Like the water of your element, you are adaptable, flowing easily with changing circumstances and adjusting to "
    "new people and places without fuss or complaint. You are friendly and good-natured, always ready to lend a hand "
    "or a sympathetic ear to anyone in need. Your sensitivity is one of your greatest gifts; you pick up on the "
    "feelings of others and respond with compassion and understanding. Because you are so warm and accepting, you are "
    "usually popular, and people of every kind feel comfortable in your company. A strong artistic and imaginative "
    "side may find expression in music, painting or writing. Deeply home-loving, you feel most at peace in a quiet, "
    "comfortable place where you can rest, dream and recover.",
};

// Appended directly to the main part of Leo's paragraph (SignPositiveTraits[4]).
const std::string_view LeoPositiveTraitsTail = "You always honour your promises. "
                                               "You organise brilliantly. Your style is flamboyant.";

const std::array<std::string_view, 12> SignNegativeTraits = {
    // Aries
    "Your confidence can tip over into arrogance, and you may assume that your way is the only sensible one. When you "
    "are sure of yourself you tend to become domineering, giving orders instead of asking for help. Your temper is "
    "short, and when it flares it can be fierce and even violent, though the storm passes quickly. At times you are "
    "self-centred, so caught up in your own goals that you forget what others need. Slower or more cautious people "
    "try your patience, and you can be intolerant of views that differ from yours. Once someone has truly wronged "
    "you, you may hold a grudge for a long time.",
    // Taurus
    "Stubbornness is your best-known fault: once your mind is made up, nothing will move you. In relationships you "
    "may become possessive, treating people as if they belonged to you. Comfort can make you lazy and resistant to "
    "any effort to change. You may judge life too much by what you own, and you can seem unsociable when you prefer "
    "your own company. At worst, the wish for security turns into plain greed.",
    // Gemini
    "Consistency is not your strong point; you may say one thing today and something quite different tomorrow. "
    "Restless by nature and easily bored, you often leave tasks unfinished once they stop being new. Your nervous "
    "energy can wear you out and leave you tense and unable to relax. In love and friendship you may seem fickle, "
    "moving on before others are ready. Your quick wits can turn cunning when you want your own way, and your "
    "inquisitive streak can lead you to pry into matters that are none of your business.",
    // Cancer
    "Your moods can change as often as the tides, and family and friends never know quite which version of you they "
    "will meet. Indecision is another trap: you may hover on the edge of a choice for so long that the chance passes "
    "you by. Behind your gentle manner lies a shrewd streak, and you may use it to get your own way without admitting "
    "what you are doing. When you feel insecure you can become selfish, thinking first of your own safety. Above all, "
    "you find it hard to let go of people, possessions and old hurts, clinging to the past long after it has ended.",
    // Leo
    "When your pride is wounded your temper can explode, and at its worst your anger can become violent and "
    "frightening to anyone nearby. Arrogance is a risk too: you may look down on people you consider less gifted and "
    "expect their admiration. Once you have taken a position you can be very stubborn, refusing to back down even "
    "when you are clearly in the wrong. You may become conceited, needing constant praise and sulking when the "
    "attention moves to someone else. Your opinions can harden into dogma, and you may insist that your view is the "
    "only correct one. A hunger for power may also grow in you, a wish to control every situation and every person "
    "within your reach.",
    // Virgo
    "Details that others barely notice can make you fussy. You tend to worry, turning over every possible problem "
    "until it keeps you awake. At times you seem unsociable and withdraw from company. Often you are harshly "
    "self-critical, never quite pleased with your own efforts. When you are tired or under strain you become "
    "irritable and quick to find fault.",
    // Libra
    "Weighing every option, you may stay painfully indecisive until the moment to act has gone. You are sometimes "
    "gullible, trusting people who do not deserve it. Your charm can become flirtatious, causing misunderstandings. "
    "Comfort and pleasure tempt you, and you can be self-indulgent, giving in to them too easily. Because you hate "
    "conflict, you may try to keep the peace at any cost, even when standing firm would be wiser.",
    // Scorpio
    "Your bluntness can reach the point of cruelty, for you say exactly what you think without softening it for the "
    "listener. The desire to understand what lies beneath the surface can make you prying, digging into other "
    "people's secrets while guarding your own closely. You are temperamental, and your moods can shift from cool to "
    "stormy with little warning. When you feel betrayed or pushed too far, the aggression you usually keep hidden may "
    "break out, and you can turn violent. Forgiving, let alone forgetting, comes very hard to you.",
    // Sagittarius
    "Your honesty has a sharp edge, and you can be too outspoken, blurting out the truth without thinking about how "
    "it will hurt. Restless, you may drift from place to place, job to job or plan to plan. Delays and details make "
    "you impatient, and your temper can be explosive when you feel restricted. You may boast about your adventures "
    "and achievements, and at times you act irresponsibly, making promises you later forget to keep.",
    // Capricorn
    "Rigid thinking is your chief danger: you cling to old rules and familiar routines even when they no longer serve "
    "any purpose. Your ambition can grow excessive, so that success and status matter more to you than the people you "
    "love. Once you have settled on a plan you can be stubborn and unwilling to hear other points of view. In "
    "positions of authority you may become domineering and demand obedience rather than earn respect. Spells of "
    "moodiness can settle on you as well, and your outlook can turn pessimistic, expecting the worst before anything "
    "has gone wrong.",
    // Aquarius
    "Although you are friendly, you can be slow to make close friends, keeping people at a polite distance until you "
    "are sure of them. You may become a loner, more comfortable with ideas than with feelings and reluctant to share "
    "your inner life. Others sometimes find you unreliable, because you can lose interest in a commitment once "
    "something more exciting comes along. A whimsical streak leads you to follow sudden notions and odd fancies that "
    "make little sense to anyone else. Above all you are unpredictable, changing your mind or your plans without "
    "warning, and this can leave friends and partners feeling unsettled. Your love of independence can also make you "
    "seem cold, detached or stubbornly contrary.",
    // Pisces
    "You may seek sympathy too often, presenting yourself as the helpless victim of circumstance and hoping someone "
    "will rescue you. Dreamy by temperament, you drift into fantasy when reality becomes difficult. In everyday "
    "matters you are often impractical, and others may find you unreliable because you forget arrangements or change "
    "your mind. At times a deep melancholy settles over you, and you withdraw into silent sadness.",
};

} // namespace orbelle::modLearnAstrology::prose
