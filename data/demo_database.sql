-- Demonstration database: a small French business in the current file format.
CREATE TABLE IF NOT EXISTS Invoices15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT );
CREATE TABLE IF NOT EXISTS Settings15 (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,Siteweb TEXT,Monnaie TEXT,Taux TEXT,Logo TEXT,Decimals TEXT,Taux2 TEXT );
CREATE TABLE IF NOT EXISTS Articles15 (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT,Vat TEXT );
CREATE TABLE IF NOT EXISTS Customers15 (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,Email TEXT,Notes TEXT );
CREATE TABLE IF NOT EXISTS Quotes15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,Printed TEXT,Invoiced TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT );
CREATE TABLE IF NOT EXISTS Informations20 (Include_infos_check TEXT,Siret TEXT,Rcs TEXT,Naf TEXT,Tvaintra TEXT );
CREATE TABLE IF NOT EXISTS Footer25 (Include_footer_check TEXT,Footer_text TEXT );
CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);
INSERT INTO VerInfo (VerNum) Values ('vantr15');

-- Menuiserie Lefèvre, a joinery in Villefranche-sur-Saône, with its customers, articles,
-- quotes and invoices of the autumn. Amounts are those the program writes: net = quantity
-- x unit price, amount with VAT = net + VAT rounded to the cent (halves to even), Total =
-- sum of the amounts with VAT. Edit them together; tests/data checks every one.

-- The company.
INSERT INTO Settings15 (Nom, Adresse, Email, Telephone, Fax, Siteweb, Monnaie, Taux, Logo, Decimals, Taux2) VALUES (
  'Menuiserie Lefèvre',
  'Atelier des Grillons'||char(13,10)||'14, rue des Tanneurs'||char(13,10)||'69400 Villefranche-sur-Saône',
  'contact@menuiserie-lefevre.fr',
  '04 74 62 18 35',
  '04 74 62 18 36',
  'www.menuiserie-lefevre.fr',
  '€',
  '20,00',
  '',
  '2',
  '5,50');
INSERT INTO Informations20 (Include_infos_check, Siret, Rcs, Naf, Tvaintra) VALUES (
  'True', '81274935600018', 'RCS Villefranche-Tarare 812 749 356', '4332A', 'FR14812749356');
INSERT INTO Footer25 (Include_footer_check, Footer_text) VALUES (
  'True',
  'Paiement à 30 jours date de facture, par chèque ou virement. Pas d''escompte pour paiement anticipé.'||char(13,10)||'En cas de retard de paiement : pénalités au taux de trois fois le taux d''intérêt légal et indemnité forfaitaire de 40 € pour frais de recouvrement (art. L441-10 du Code de commerce).'||char(13,10)||'Menuiserie Lefèvre - SARL au capital de 15 000 € - Assurance décennale : contrat n° 2026-DEC-4471');

-- Customers.
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL001', 'Mme Catherine Morel', '7, allée des Peupliers'||char(13,10)||'69400 Villefranche-sur-Saône', '04 74 65 21 09', '', 'catherine.morel@exemple.fr', 'Maison de 1930, accès par la cour.');
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL002', 'L''Atelier du Bois', 'Zone artisanale des Grands Champs'||char(13,10)||'212, route de Frans'||char(13,10)||'69400 Villefranche-sur-Saône', '04 74 09 33 70', '04 74 09 33 71', 'compta@atelierdubois.fr', 'Revendeur : factures au nom de la société.'||char(13,10)||'Contact : M. Thierry Gauthier.');
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL003', 'M. et Mme Dubois-Perrin', 'Le Clos Saint-Roch'||char(13,10)||'15, chemin de la Creuse'||char(13,10)||'69640 Denicé', '06 12 48 77 30', '', 'dubois.perrin@exemple.fr', 'Chantier de rénovation énergétique (TVA à 5,5 %).');
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL004', 'SCI Les Tilleuls', 'Chez Maître Gérard Bonnet'||char(13,10)||'22, place de la Libération'||char(13,10)||'69220 Belleville-en-Beaujolais', '04 74 66 40 12', '04 74 66 40 13', 'sci.lestilleuls@exemple.fr', 'Logements locatifs de plus de deux ans.');
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL005', 'M. François Lemaître', '4, rue d''Anse'||char(13,10)||'69480 Pommiers', '06 81 02 55 64', '', 'f.lemaitre@exemple.fr', '');
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL006', 'Crèche « Les P''tits Loups »', 'Mairie de Gleizé'||char(13,10)||'Place de la Mairie'||char(13,10)||'69400 Gleizé', '04 74 68 01 90', '04 74 68 01 99', 'creche.lesptitsloups@gleize.fr', 'Bon de commande de la mairie obligatoire.'||char(13,10)||'Paiement par mandat administratif.');
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL007', 'Hôtel-Restaurant Le Beaujolais', '58, avenue de l''Europe'||char(13,10)||'69220 Saint-Jean-d''Ardières', '04 74 06 12 12', '04 74 06 12 00', 'reception@hotel-lebeaujolais.fr', 'Intervenir le lundi (fermeture).');
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL008', 'Mme Hélène Roussel', 'Hameau de Chervinges'||char(13,10)||'69400 Gleizé', '06 33 70 14 82', '', 'helene.roussel@exemple.fr', '');
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL009', 'Agence immobilière Côté Pierres', '31, rue Nationale'||char(13,10)||'69400 Villefranche-sur-Saône', '04 74 60 88 45', '', 'gestion@cote-pierres.fr', 'Travaux pour les propriétaires bailleurs gérés par l''agence.');
INSERT INTO Customers15 (Account, Customer, Address, Tel, Fax, Email, Notes) VALUES (
  'CL010', 'M. Joël Bérard', 'La Grange Neuve'||char(13,10)||'12, impasse des Vignes'||char(13,10)||'69620 Val d''Oingt', '06 07 91 26 38', '', 'joel.berard@exemple.fr', 'Grange en cours d''aménagement.');

-- Articles: price before VAT, stock, VAT rate (5,50 for energy-saving work in homes,
-- 10,00 for other work in homes more than two years old, 20,00 otherwise).
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART001', 'Porte intérieure chêne massif 83 cm', '285,00 €', '6', '20,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART002', 'Fenêtre bois double vitrage 120 x 135', '612,50 €', '4', '5,50');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART003', 'Pose de fenêtre ou porte-fenêtre (forfait)', '180,00 €', '1', '5,50');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART004', 'Heure de main-d''œuvre menuisier', '45,00 €', '1', '10,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART005', 'Parquet chêne contrecollé 14 mm (m²)', '38,90 €', '120', '20,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART006', 'Plinthe chêne 2,40 m', '11,80 €', '80', '20,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART007', 'Escalier quart tournant hêtre sur mesure', '3450,00 €', '1', '10,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART008', 'Paire de volets battants isolants mélèze', '498,00 €', '3', '5,50');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART009', 'Placard coulissant sur mesure (mètre linéaire)', '310,00 €', '1', '10,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART010', 'Tablette de cheminée chêne 150 cm', '129,90 €', '5', '20,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART011', 'Isolant fibre de bois 100 mm (m²)', '17,40 €', '60', '5,50');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART012', 'Déplacement atelier - chantier', '35,00 €', '1', '20,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART013', 'Jeu de 3 paumelles laiton', '14,60 €', '40', '20,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART014', 'Lasure bois incolore 2,5 L', '42,80 €', '15', '20,00');
INSERT INTO Articles15 (Code, Description, Price, Quantity, Vat) VALUES ('ART015', 'Dépose et évacuation d''une ancienne menuiserie', '60,00 €', '1', '10,00');

-- Quotes. Each line item is seven lines (code, description, quantity, unit price,
-- net, amount with VAT, rate), each ended by CR LF.
INSERT INTO Quotes15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Invoiced, Bottom, Notes, Articles, Total) VALUES (
  '1', 'M. et Mme Dubois-Perrin', 'Le Clos Saint-Roch'||char(13,10)||'15, chemin de la Creuse'||char(13,10)||'69640 Denicé', '08/09/2026', '06 12 48 77 30', '', 'dubois.perrin@exemple.fr', 'Oui', 'Non', 'Devis valable trois mois.', 'Remplacement des fenêtres du rez-de-chaussée.',
  'ART015'||char(13,10)||'Dépose et évacuation d''une ancienne menuiserie'||char(13,10)||'3'||char(13,10)||'60,00 €'||char(13,10)||'180,00 €'||char(13,10)||'198,00 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART002'||char(13,10)||'Fenêtre bois double vitrage 120 x 135'||char(13,10)||'3'||char(13,10)||'612,50 €'||char(13,10)||'1837,50 €'||char(13,10)||'1938,56 €'||char(13,10)||'5,50'||char(13,10)
  ||'ART003'||char(13,10)||'Pose de fenêtre ou porte-fenêtre (forfait)'||char(13,10)||'3'||char(13,10)||'180,00 €'||char(13,10)||'540,00 €'||char(13,10)||'569,70 €'||char(13,10)||'5,50'||char(13,10)
  ||'ART011'||char(13,10)||'Isolant fibre de bois 100 mm (m²)'||char(13,10)||'14'||char(13,10)||'17,40 €'||char(13,10)||'243,60 €'||char(13,10)||'257,00 €'||char(13,10)||'5,50'||char(13,10),
  '2963,26 €');
INSERT INTO Quotes15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Invoiced, Bottom, Notes, Articles, Total) VALUES (
  '2', 'Hôtel-Restaurant Le Beaujolais', '58, avenue de l''Europe'||char(13,10)||'69220 Saint-Jean-d''Ardières', '21/09/2026', '04 74 06 12 12', '04 74 06 12 00', 'reception@hotel-lebeaujolais.fr', 'Oui', 'Oui', 'Devis valable trois mois.', 'Accepté par M. Vernay le 05/10/2026.',
  'ART005'||char(13,10)||'Parquet chêne contrecollé 14 mm (m²)'||char(13,10)||'42'||char(13,10)||'38,90 €'||char(13,10)||'1633,80 €'||char(13,10)||'1960,56 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART006'||char(13,10)||'Plinthe chêne 2,40 m'||char(13,10)||'18'||char(13,10)||'11,80 €'||char(13,10)||'212,40 €'||char(13,10)||'254,88 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'16'||char(13,10)||'45,00 €'||char(13,10)||'720,00 €'||char(13,10)||'792,00 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART012'||char(13,10)||'Déplacement atelier - chantier'||char(13,10)||'2'||char(13,10)||'35,00 €'||char(13,10)||'70,00 €'||char(13,10)||'84,00 €'||char(13,10)||'20,00'||char(13,10),
  '3091,44 €');
INSERT INTO Quotes15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Invoiced, Bottom, Notes, Articles, Total) VALUES (
  '3', 'M. Joël Bérard', 'La Grange Neuve'||char(13,10)||'12, impasse des Vignes'||char(13,10)||'69620 Val d''Oingt', '12/10/2026', '06 07 91 26 38', '', 'joel.berard@exemple.fr', 'Oui', 'Non', 'Devis valable trois mois.', 'Escalier vers la mezzanine de la grange.'||char(13,10)||'Relancer le client fin novembre.',
  'ART007'||char(13,10)||'Escalier quart tournant hêtre sur mesure'||char(13,10)||'1'||char(13,10)||'3450,00 €'||char(13,10)||'3450,00 €'||char(13,10)||'3795,00 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART014'||char(13,10)||'Lasure bois incolore 2,5 L'||char(13,10)||'2'||char(13,10)||'42,80 €'||char(13,10)||'85,60 €'||char(13,10)||'102,72 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART012'||char(13,10)||'Déplacement atelier - chantier'||char(13,10)||'1'||char(13,10)||'35,00 €'||char(13,10)||'35,00 €'||char(13,10)||'42,00 €'||char(13,10)||'20,00'||char(13,10),
  '3939,72 €');
INSERT INTO Quotes15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Invoiced, Bottom, Notes, Articles, Total) VALUES (
  '4', 'SCI Les Tilleuls', 'Chez Maître Gérard Bonnet'||char(13,10)||'22, place de la Libération'||char(13,10)||'69220 Belleville-en-Beaujolais', '03/11/2026', '04 74 66 40 12', '04 74 66 40 13', 'sci.lestilleuls@exemple.fr', 'Non', 'Non', 'Devis valable trois mois.', '',
  'ART008'||char(13,10)||'Paire de volets battants isolants mélèze'||char(13,10)||'4'||char(13,10)||'498,00 €'||char(13,10)||'1992,00 €'||char(13,10)||'2101,56 €'||char(13,10)||'5,50'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'6'||char(13,10)||'45,00 €'||char(13,10)||'270,00 €'||char(13,10)||'297,00 €'||char(13,10)||'10,00'||char(13,10),
  '2398,56 €');
INSERT INTO Quotes15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Invoiced, Bottom, Notes, Articles, Total) VALUES (
  '5', 'Crèche « Les P''tits Loups »', 'Mairie de Gleizé'||char(13,10)||'Place de la Mairie'||char(13,10)||'69400 Gleizé', '24/11/2026', '04 74 68 01 90', '04 74 68 01 99', 'creche.lesptitsloups@gleize.fr', 'Oui', 'Non', 'Devis valable trois mois.', 'Placards de la salle de change.',
  'ART009'||char(13,10)||'Placard coulissant sur mesure (mètre linéaire)'||char(13,10)||'4'||char(13,10)||'310,00 €'||char(13,10)||'1240,00 €'||char(13,10)||'1364,00 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART013'||char(13,10)||'Jeu de 3 paumelles laiton'||char(13,10)||'6'||char(13,10)||'14,60 €'||char(13,10)||'87,60 €'||char(13,10)||'105,12 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'5'||char(13,10)||'45,00 €'||char(13,10)||'225,00 €'||char(13,10)||'247,50 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART012'||char(13,10)||'Déplacement atelier - chantier'||char(13,10)||'1'||char(13,10)||'35,00 €'||char(13,10)||'35,00 €'||char(13,10)||'42,00 €'||char(13,10)||'20,00'||char(13,10),
  '1758,62 €');
INSERT INTO Quotes15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Invoiced, Bottom, Notes, Articles, Total) VALUES (
  '6', 'Mme Catherine Morel', '7, allée des Peupliers'||char(13,10)||'69400 Villefranche-sur-Saône', '09/12/2026', '04 74 65 21 09', '', 'catherine.morel@exemple.fr', 'Non', 'Non', 'Devis valable trois mois.', '',
  'ART010'||char(13,10)||'Tablette de cheminée chêne 150 cm'||char(13,10)||'1'||char(13,10)||'129,90 €'||char(13,10)||'129,90 €'||char(13,10)||'155,88 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART012'||char(13,10)||'Déplacement atelier - chantier'||char(13,10)||'1'||char(13,10)||'35,00 €'||char(13,10)||'35,00 €'||char(13,10)||'42,00 €'||char(13,10)||'20,00'||char(13,10),
  '197,88 €');

-- Invoices.
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '1', 'L''Atelier du Bois', 'Zone artisanale des Grands Champs'||char(13,10)||'212, route de Frans'||char(13,10)||'69400 Villefranche-sur-Saône', '04/09/2026', '04 74 09 33 70', '04 74 09 33 71', 'compta@atelierdubois.fr', 'Oui', 'Oui', 'Oui', 'Merci de votre confiance.', '',
  'ART001'||char(13,10)||'Porte intérieure chêne massif 83 cm'||char(13,10)||'4'||char(13,10)||'285,00 €'||char(13,10)||'1140,00 €'||char(13,10)||'1368,00 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART013'||char(13,10)||'Jeu de 3 paumelles laiton'||char(13,10)||'4'||char(13,10)||'14,60 €'||char(13,10)||'58,40 €'||char(13,10)||'70,08 €'||char(13,10)||'20,00'||char(13,10),
  '1438,08 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '2', 'M. François Lemaître', '4, rue d''Anse'||char(13,10)||'69480 Pommiers', '15/09/2026', '06 81 02 55 64', '', 'f.lemaitre@exemple.fr', 'Oui', 'Oui', 'Oui', 'Merci de votre confiance.', 'Réglé par chèque le 30/09/2026.',
  'ART010'||char(13,10)||'Tablette de cheminée chêne 150 cm'||char(13,10)||'1'||char(13,10)||'129,90 €'||char(13,10)||'129,90 €'||char(13,10)||'155,88 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'3'||char(13,10)||'45,00 €'||char(13,10)||'135,00 €'||char(13,10)||'148,50 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART012'||char(13,10)||'Déplacement atelier - chantier'||char(13,10)||'1'||char(13,10)||'35,00 €'||char(13,10)||'35,00 €'||char(13,10)||'42,00 €'||char(13,10)||'20,00'||char(13,10),
  '346,38 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '3', 'Mme Hélène Roussel', 'Hameau de Chervinges'||char(13,10)||'69400 Gleizé', '29/09/2026', '06 33 70 14 82', '', 'helene.roussel@exemple.fr', 'Oui', 'Oui', 'Oui', 'Merci de votre confiance.', '',
  'ART001'||char(13,10)||'Porte intérieure chêne massif 83 cm'||char(13,10)||'2'||char(13,10)||'285,00 €'||char(13,10)||'570,00 €'||char(13,10)||'684,00 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART015'||char(13,10)||'Dépose et évacuation d''une ancienne menuiserie'||char(13,10)||'2'||char(13,10)||'60,00 €'||char(13,10)||'120,00 €'||char(13,10)||'132,00 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'4'||char(13,10)||'45,00 €'||char(13,10)||'180,00 €'||char(13,10)||'198,00 €'||char(13,10)||'10,00'||char(13,10),
  '1014,00 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '4', 'Agence immobilière Côté Pierres', '31, rue Nationale'||char(13,10)||'69400 Villefranche-sur-Saône', '09/10/2026', '04 74 60 88 45', '', 'gestion@cote-pierres.fr', 'Oui', 'Oui', 'Oui', 'Merci de votre confiance.', 'Appartement 3e étage, 18 rue Paul Bert.',
  'ART006'||char(13,10)||'Plinthe chêne 2,40 m'||char(13,10)||'24'||char(13,10)||'11,80 €'||char(13,10)||'283,20 €'||char(13,10)||'339,84 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART005'||char(13,10)||'Parquet chêne contrecollé 14 mm (m²)'||char(13,10)||'31'||char(13,10)||'38,90 €'||char(13,10)||'1205,90 €'||char(13,10)||'1447,08 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'9'||char(13,10)||'45,00 €'||char(13,10)||'405,00 €'||char(13,10)||'445,50 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART014'||char(13,10)||'Lasure bois incolore 2,5 L'||char(13,10)||'1'||char(13,10)||'42,80 €'||char(13,10)||'42,80 €'||char(13,10)||'51,36 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART012'||char(13,10)||'Déplacement atelier - chantier'||char(13,10)||'1'||char(13,10)||'35,00 €'||char(13,10)||'35,00 €'||char(13,10)||'42,00 €'||char(13,10)||'20,00'||char(13,10),
  '2325,78 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '5', 'Hôtel-Restaurant Le Beaujolais', '58, avenue de l''Europe'||char(13,10)||'69220 Saint-Jean-d''Ardières', '20/10/2026', '04 74 06 12 12', '04 74 06 12 00', 'reception@hotel-lebeaujolais.fr', 'Oui', 'Oui', 'Oui', 'Merci de votre confiance.', 'Facture du devis n° 2.',
  'ART005'||char(13,10)||'Parquet chêne contrecollé 14 mm (m²)'||char(13,10)||'42'||char(13,10)||'38,90 €'||char(13,10)||'1633,80 €'||char(13,10)||'1960,56 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART006'||char(13,10)||'Plinthe chêne 2,40 m'||char(13,10)||'18'||char(13,10)||'11,80 €'||char(13,10)||'212,40 €'||char(13,10)||'254,88 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'16'||char(13,10)||'45,00 €'||char(13,10)||'720,00 €'||char(13,10)||'792,00 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART012'||char(13,10)||'Déplacement atelier - chantier'||char(13,10)||'2'||char(13,10)||'35,00 €'||char(13,10)||'70,00 €'||char(13,10)||'84,00 €'||char(13,10)||'20,00'||char(13,10),
  '3091,44 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '6', 'M. et Mme Dubois-Perrin', 'Le Clos Saint-Roch'||char(13,10)||'15, chemin de la Creuse'||char(13,10)||'69640 Denicé', '28/10/2026', '06 12 48 77 30', '', 'dubois.perrin@exemple.fr', 'Oui', 'Oui', 'Non', 'Merci de votre confiance.', 'Acompte sur travaux d''isolation.',
  'ART011'||char(13,10)||'Isolant fibre de bois 100 mm (m²)'||char(13,10)||'48'||char(13,10)||'17,40 €'||char(13,10)||'835,20 €'||char(13,10)||'881,14 €'||char(13,10)||'5,50'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'7'||char(13,10)||'45,00 €'||char(13,10)||'315,00 €'||char(13,10)||'346,50 €'||char(13,10)||'10,00'||char(13,10),
  '1227,64 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '7', 'L''Atelier du Bois', 'Zone artisanale des Grands Champs'||char(13,10)||'212, route de Frans'||char(13,10)||'69400 Villefranche-sur-Saône', '06/11/2026', '04 74 09 33 70', '04 74 09 33 71', 'compta@atelierdubois.fr', 'Oui', 'Oui', 'Oui', 'Merci de votre confiance.', '',
  'ART014'||char(13,10)||'Lasure bois incolore 2,5 L'||char(13,10)||'6'||char(13,10)||'42,80 €'||char(13,10)||'256,80 €'||char(13,10)||'308,16 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART013'||char(13,10)||'Jeu de 3 paumelles laiton'||char(13,10)||'12'||char(13,10)||'14,60 €'||char(13,10)||'175,20 €'||char(13,10)||'210,24 €'||char(13,10)||'20,00'||char(13,10),
  '518,40 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '8', 'SCI Les Tilleuls', 'Chez Maître Gérard Bonnet'||char(13,10)||'22, place de la Libération'||char(13,10)||'69220 Belleville-en-Beaujolais', '13/11/2026', '04 74 66 40 12', '04 74 66 40 13', 'sci.lestilleuls@exemple.fr', 'Oui', 'Oui', 'Non', 'Merci de votre confiance.', 'Logement n° 2, remplacement après sinistre.',
  'ART015'||char(13,10)||'Dépose et évacuation d''une ancienne menuiserie'||char(13,10)||'1'||char(13,10)||'60,00 €'||char(13,10)||'60,00 €'||char(13,10)||'66,00 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART002'||char(13,10)||'Fenêtre bois double vitrage 120 x 135'||char(13,10)||'1'||char(13,10)||'612,50 €'||char(13,10)||'612,50 €'||char(13,10)||'646,19 €'||char(13,10)||'5,50'||char(13,10)
  ||'ART003'||char(13,10)||'Pose de fenêtre ou porte-fenêtre (forfait)'||char(13,10)||'1'||char(13,10)||'180,00 €'||char(13,10)||'180,00 €'||char(13,10)||'189,90 €'||char(13,10)||'5,50'||char(13,10),
  '902,09 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '9', 'Mme Catherine Morel', '7, allée des Peupliers'||char(13,10)||'69400 Villefranche-sur-Saône', '20/11/2026', '04 74 65 21 09', '', 'catherine.morel@exemple.fr', 'Oui', 'Non', 'Non', 'Merci de votre confiance.', '',
  'ART001'||char(13,10)||'Porte intérieure chêne massif 83 cm'||char(13,10)||'1'||char(13,10)||'285,00 €'||char(13,10)||'285,00 €'||char(13,10)||'342,00 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'2'||char(13,10)||'45,00 €'||char(13,10)||'90,00 €'||char(13,10)||'99,00 €'||char(13,10)||'10,00'||char(13,10),
  '441,00 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '10', 'Crèche « Les P''tits Loups »', 'Mairie de Gleizé'||char(13,10)||'Place de la Mairie'||char(13,10)||'69400 Gleizé', '27/11/2026', '04 74 68 01 90', '04 74 68 01 99', 'creche.lesptitsloups@gleize.fr', 'Oui', 'Oui', 'Non', 'Paiement par mandat administratif.', 'Bon de commande n° 2026-118.',
  'ART013'||char(13,10)||'Jeu de 3 paumelles laiton'||char(13,10)||'8'||char(13,10)||'14,60 €'||char(13,10)||'116,80 €'||char(13,10)||'140,16 €'||char(13,10)||'20,00'||char(13,10)
  ||'ART004'||char(13,10)||'Heure de main-d''œuvre menuisier'||char(13,10)||'3'||char(13,10)||'45,00 €'||char(13,10)||'135,00 €'||char(13,10)||'148,50 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART012'||char(13,10)||'Déplacement atelier - chantier'||char(13,10)||'1'||char(13,10)||'35,00 €'||char(13,10)||'35,00 €'||char(13,10)||'42,00 €'||char(13,10)||'20,00'||char(13,10),
  '330,66 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '11', 'M. Joël Bérard', 'La Grange Neuve'||char(13,10)||'12, impasse des Vignes'||char(13,10)||'69620 Val d''Oingt', '04/12/2026', '06 07 91 26 38', '', 'joel.berard@exemple.fr', 'Non', 'Non', 'Non', 'Merci de votre confiance.', '',
  'ART009'||char(13,10)||'Placard coulissant sur mesure (mètre linéaire)'||char(13,10)||'3'||char(13,10)||'310,00 €'||char(13,10)||'930,00 €'||char(13,10)||'1023,00 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART015'||char(13,10)||'Dépose et évacuation d''une ancienne menuiserie'||char(13,10)||'1'||char(13,10)||'60,00 €'||char(13,10)||'60,00 €'||char(13,10)||'66,00 €'||char(13,10)||'10,00'||char(13,10)
  ||'ART012'||char(13,10)||'Déplacement atelier - chantier'||char(13,10)||'1'||char(13,10)||'35,00 €'||char(13,10)||'35,00 €'||char(13,10)||'42,00 €'||char(13,10)||'20,00'||char(13,10),
  '1131,00 €');
INSERT INTO Invoices15 (Num, Customer, Address, Dat, Tel, Fax, Email, Printed, Sent, Paid, Bottom, Notes, Articles, Total) VALUES (
  '12', 'M. François Lemaître', '4, rue d''Anse'||char(13,10)||'69480 Pommiers', '10/12/2026', '06 81 02 55 64', '', 'f.lemaitre@exemple.fr', 'Non', 'Non', 'Non', 'Merci de votre confiance.', '',
  'ART014'||char(13,10)||'Lasure bois incolore 2,5 L'||char(13,10)||'2'||char(13,10)||'42,80 €'||char(13,10)||'85,60 €'||char(13,10)||'102,72 €'||char(13,10)||'20,00'||char(13,10),
  '102,72 €');
