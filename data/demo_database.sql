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
