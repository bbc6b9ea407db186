#include "SchemaProgramme.h"

QVector<DefinitionTable> schemaProgramme()
{
    QVector<DefinitionTable> tables;
    tables += schemaRaces();
    tables += schemaClasses();
    tables += schemaCompetences();
    tables += schemaDons();
    tables += schemaCapacites();
    tables += schemaSorts();
    tables += schemaObjets();
    tables += schemaDivers();
    tables += schemaVocabulaires();
    return tables;
}
